#include "files/SelectionSummary.h"

#include "files/FileTexts.h"
#include "files/Formats.h"

namespace miravel {

SelectionSummary SummarizeSelection(const std::vector<FileRow>& rows,
                                    const std::vector<int>& selectedRows, const QString& folder) {
    SelectionSummary summary;
    double total = 0;
    for (int row : selectedRows) {
        const FileRow& selected = rows[static_cast<size_t>(row)];
        if (summary.count == 0)
            summary.placeText = selected.name;
        ++summary.count;
        total += static_cast<double>(selected.size);
    }
    if (summary.count >= 2)
        summary.placeText = files_texts::FolderInnerSelectionText(folder);
    summary.countText = SelectedCountText(summary.count);
    summary.sizeText = FormatSizeTotal(total);
    return summary;
}

SelectionSummary SummarizeAllRows(const std::vector<FileRow>& rows, const QString& folder) {
    SelectionSummary summary;
    double total = 0;
    for (const FileRow& row : rows)
        total += static_cast<double>(row.size);
    summary.count = static_cast<qint64>(rows.size());
    summary.countText = SelectedCountText(summary.count);
    summary.sizeText = FormatSizeTotal(total);
    summary.placeText = files_texts::FolderSelectionText(folder);
    return summary;
}

}  // namespace miravel
