#include "files/RowSelection.h"

#include "files/FileTableModel.h"
#include "files/RowSelectionModel.h"

namespace miravel {

RowSelection::RowSelection(FileTableModel* model, QObject* parent)
    : QObject(parent), model_(model) {
    // Connected before the selection model exists, so these run before its own handlers: its
    // ranges are set aside by the time it would save them.
    connect(model_, &QAbstractItemModel::layoutAboutToBeChanged, this, [this] {
        sorting_ = true;
        current_ = selection_->currentIndex();
        selection_->SetRangesAside();
    });
    connect(model_, &FileTableModel::RowsPermuted, this,
            [this](const std::vector<int>& newPosition) { selection_->PermuteRows(newPosition); });
    connect(model_, &QAbstractItemModel::modelReset, this,
            [this] { selection_->ResetRows(model_->rowCount()); });
    connect(
        model_, &QAbstractItemModel::rowsRemoved, this,
        [this](const QModelIndex&, int first, int last) { selection_->RemoveRows(first, last); });
    connect(model_, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int last) {
                selection_->InsertRows(first, last - first + 1);
            });
    selection_ = new RowSelectionModel(model_, this);
    connect(model_, &QAbstractItemModel::layoutChanged, this, [this] {
        if (!sorting_)
            return;
        sorting_ = false;
        selection_->MirrorRuns();
        if (current_.isValid())
            selection_->setCurrentIndex(current_, QItemSelectionModel::NoUpdate);
        current_ = QPersistentModelIndex();
    });
}

bool RowSelection::IsSelected(int row) const {
    return selection_->IsRowSelected(row);
}

std::vector<int> RowSelection::Rows() const {
    return selection_->Rows();
}

void RowSelection::SelectAll() {
    const int rows = model_->rowCount();
    const int columns = model_->columnCount();
    if (rows == 0 || columns == 0)
        return;
    selection_->select(QItemSelection(model_->index(0, 0), model_->index(rows - 1, columns - 1)),
                       QItemSelectionModel::ClearAndSelect);
}

}  // namespace miravel
