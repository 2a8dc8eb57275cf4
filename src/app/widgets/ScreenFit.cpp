#include "app/widgets/ScreenFit.h"

#include <QScreen>
#include <QWidget>

namespace miravel {

namespace {

// The window manager puts a title bar above the window, inside the free area the screen
// reports.
constexpr int kTitleBarAllowance = 32;

}  // namespace

void FitToScreen(QWidget& window, QSize wanted) {
    const QSize minimum = window.minimumSizeHint();
    QSize opening = wanted.expandedTo(minimum);
    // A screen smaller than the minimum wins: no part of the window opens off screen.
    if (const QScreen* screen = window.screen())
        opening = opening.boundedTo(
            screen->availableGeometry().adjusted(0, kTitleBarAllowance, 0, 0).size());
    window.setMinimumSize(minimum.boundedTo(opening));
    window.resize(opening);
}

}  // namespace miravel
