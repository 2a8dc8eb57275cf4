#pragma once

#include <QString>
#include <vector>

#include "files/FileRow.h"

namespace miravel {

// The three status panels that describe the selection, and the count behind them (which also
// picks the zero-padding digits).
struct SelectionSummary {
    qint64 count = 0;
    QString countText;  // panel 1
    QString sizeText;   // panel 2
    QString placeText;  // panel 3
};

// The selected rows, given by their row numbers in display order: panel 3 names the single
// file, or 「folder」内の選択したファイル for two or more, or stays empty for none.
SelectionSummary SummarizeSelection(const std::vector<FileRow>& rows,
                                    const std::vector<int>& selectedRows, const QString& folder);

// Every row selected at once: panel 3 reads 「folder」の選択したファイル whatever the count.
SelectionSummary SummarizeAllRows(const std::vector<FileRow>& rows, const QString& folder);

}  // namespace miravel
