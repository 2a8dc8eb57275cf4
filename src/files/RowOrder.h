#pragma once

#include <Qt>
#include <vector>

#include "files/FileRow.h"

namespace miravel {

// The order a stable sort of the rows by a column's shown text gives (names in natural
// order), as the index of the row that goes to each place. Worked out from what the texts
// are made of where that orders them alike (kilobytes, numbers, times), so no text is
// written; the texts themselves decide where the rows disagree on their padding.
std::vector<quint32> SortedRowOrder(const std::vector<FileRow>& rows, int column,
                                    Qt::SortOrder order);

// The rows in the order of their ranks (distinct numbers), as SortedRowOrder gives it; empty
// when two rows share a rank.
std::vector<quint32> RowsInRankOrder(const std::vector<quint32>& ranks, bool descending);

// Puts items[sourceOf[i]] at i for every i, in place, following the permutation's cycles.
// sourceOf is used up.
template <typename T>
void ApplyRowOrder(std::vector<T>& items, std::vector<quint32>& sourceOf) {
    for (size_t start = 0; start < items.size(); ++start) {
        if (sourceOf[start] == start)
            continue;
        T held = std::move(items[start]);
        size_t at = start;
        while (sourceOf[at] != start) {
            const size_t from = sourceOf[at];
            items[at] = std::move(items[from]);
            sourceOf[at] = quint32(at);
            at = from;
        }
        items[at] = std::move(held);
        sourceOf[at] = quint32(at);
    }
}

}  // namespace miravel
