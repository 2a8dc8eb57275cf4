#include "files/TableSort.h"

namespace miravel {

SortChoice ChooseHeaderSort(int clickedColumn, int lastSortColumn, Qt::SortOrder currentOrder) {
    if (clickedColumn != lastSortColumn)
        return {clickedColumn, Qt::AscendingOrder};
    return {clickedColumn,
            currentOrder == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder};
}

std::array<QString, kFileColumnCount> HeaderImagesFor(const SortChoice& choice) {
    std::array<QString, kFileColumnCount> images;
    for (int column = 0; column < kFileColumnCount; ++column) {
        if (column != choice.column)
            images[column] = QStringLiteral("noicon");
        else if (choice.order == Qt::AscendingOrder)
            images[column] = QStringLiteral("up");
        else
            images[column] = QStringLiteral("down");
    }
    return images;
}

}  // namespace miravel
