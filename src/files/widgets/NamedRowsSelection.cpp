#include "files/widgets/NamedRowsSelection.h"

#include <QItemSelection>
#include <QSet>

#include "files/widgets/FileTableItemModel.h"
#include "files/widgets/FileTableView.h"

namespace miravel {

void SelectNamedRows(FileTableView& view, const FileTableItemModel& model,
                     const QStringList& names) {
    const QSet<QString> wanted(names.begin(), names.end());
    QItemSelection selection;
    const int lastColumn = model.columnCount() - 1;
    const int rows = model.rowCount();
    for (int row = 0; row < rows; ++row) {
        if (!wanted.contains(model.Rows()[size_t(row)].name))
            continue;
        // One range for each run of neighbouring rows, as a shell's wildcard names them.
        int last = row;
        while (last + 1 < rows && wanted.contains(model.Rows()[size_t(last + 1)].name))
            ++last;
        selection.select(model.index(row, 0), model.index(last, lastColumn));
        row = last;
    }
    view.selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    if (!selection.isEmpty()) {
        const QModelIndex first = selection.first().topLeft();
        view.selectionModel()->setCurrentIndex(first, QItemSelectionModel::NoUpdate);
        view.scrollTo(first);
    }
}

}  // namespace miravel
