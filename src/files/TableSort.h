#pragma once

#include <QString>
#include <Qt>
#include <array>

#include "files/FileRow.h"

namespace miravel {

struct SortChoice {
    int column = kNameColumn;
    Qt::SortOrder order = Qt::AscendingOrder;
};

// A click on a column header. Clicking the column sorted last (lastSortColumn) toggles the
// current order; any other column sorts ascending.
SortChoice ChooseHeaderSort(int clickedColumn, int lastSortColumn, Qt::SortOrder currentOrder);

// After a drop the rows are numbered anew in their new order, so they are shown by number.
inline SortChoice NumberOrderSort() {
    return {kNoColumn, Qt::AscendingOrder};
}

// Header images for a table sorted by choice: "up" or "down" on its column, "noicon" on the
// others.
std::array<QString, kFileColumnCount> HeaderImagesFor(const SortChoice& choice);

}  // namespace miravel
