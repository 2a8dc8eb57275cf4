#include "files/SelectedRows.h"

namespace miravel {

std::vector<int> SelectedRowsInOrder(const QItemSelection& selection, int rowCount) {
    std::vector<char> selected(static_cast<size_t>(std::max(rowCount, 0)), 0);
    qsizetype marked = 0;
    for (const QItemSelectionRange& range : selection) {
        if (!range.isValid() || range.parent().isValid())
            continue;
        const int last = std::min(range.bottom(), rowCount - 1);
        for (int row = std::max(range.top(), 0); row <= last; ++row) {
            if (!selected[size_t(row)]) {
                selected[size_t(row)] = 1;
                ++marked;
            }
        }
    }
    std::vector<int> rows;
    rows.reserve(static_cast<size_t>(marked));
    for (int row = 0; row < rowCount; ++row)
        if (selected[size_t(row)])
            rows.push_back(row);
    return rows;
}

}  // namespace miravel
