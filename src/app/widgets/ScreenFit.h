#pragma once

#include <QSize>

class QWidget;

namespace miravel {

// Sizes a window about to be shown for the screen it opens on: `wanted` (logical pixels), grown
// to the size at which its controls stop overlapping, and no larger than the screen's free area;
// its minimum size is the one the screen can hold.
void FitToScreen(QWidget& window, QSize wanted);

}  // namespace miravel
