#include "app/widgets/ScreenFit.h"

#include <QScreen>
#include <QWidget>

#include "app/WindowSize.h"

namespace miravel {

namespace {

// The window manager puts a title bar above the window, inside the free area the screen
// reports.
constexpr int kTitleBarAllowance = 32;

}  // namespace

void FitToScreen(QWidget& window, QSize wanted) {
    const QScreen* screen = window.screen();
    const QSize room =
        screen ? screen->availableGeometry().adjusted(0, kTitleBarAllowance, 0, 0).size() : QSize();
    const QSize minimum = window.minimumSizeHint();
    const QSize opening = OpeningWindowSize(wanted, minimum, room);
    window.setMinimumSize(minimum.boundedTo(opening));
    window.resize(opening);
}

}  // namespace miravel
