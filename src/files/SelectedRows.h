#pragma once

#include <QItemSelection>
#include <vector>

namespace miravel {

// Rows touched by a selection, ascending, each once. Walks the ranges instead of asking row
// by row, which costs rows times ranges on a scattered selection of a large table.
std::vector<int> SelectedRowsInOrder(const QItemSelection& selection, int rowCount);

}  // namespace miravel
