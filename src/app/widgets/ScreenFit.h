#pragma once

#include <QSize>

class QWidget;

namespace miravel {

// Sizes a window about to be shown for the screen it opens on: `wanted` where the screen has
// room for it, and a minimum size that the screen can hold.
void FitToScreen(QWidget& window, QSize wanted);

}  // namespace miravel
