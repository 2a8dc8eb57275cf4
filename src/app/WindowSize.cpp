#include "app/WindowSize.h"

namespace miravel {

QSize OpeningWindowSize(QSize wanted, QSize minimum, QSize room) {
    const QSize size = wanted.expandedTo(minimum);
    return room.isEmpty() ? size : size.boundedTo(room);
}

}  // namespace miravel
