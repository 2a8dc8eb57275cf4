#include "app/WindowSize.h"

#include <algorithm>

namespace miravel {

QRect OpeningWindowGeometry(QSize wanted, QSize minimum, const QRect& available) {
    QSize size = wanted.expandedTo(minimum);
    if (available.isValid())
        size = size.boundedTo(available.size());
    QRect geometry(QPoint(0, 0), size);
    if (available.isValid())
        geometry.moveCenter(available.center());
    return geometry;
}

}  // namespace miravel
