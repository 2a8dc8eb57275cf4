#pragma once

#include <QRect>
#include <QSize>

namespace miravel {

// Where and how large the window opens: the size it asks for, never below the size at which
// its controls stop overlapping, and never beyond the screen's free area (when the screen is
// smaller than that minimum, the screen wins, so no panel opens off screen). Centred on the
// free area. Logical pixels throughout.
QRect OpeningWindowGeometry(QSize wanted, QSize minimum, const QRect& available);

}  // namespace miravel
