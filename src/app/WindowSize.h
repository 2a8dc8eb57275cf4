#pragma once

#include <QSize>

namespace miravel {

// How large the window opens: the size it asks for, never below the size at which its
// controls stop overlapping, and never beyond the screen's free room (a screen smaller than
// that minimum wins, so that no part of the window opens off screen). An empty room is an
// unknown screen. Logical pixels throughout.
QSize OpeningWindowSize(QSize wanted, QSize minimum, QSize room);

}  // namespace miravel
