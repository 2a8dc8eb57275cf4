#include "files/RowSelection.h"

#include "files/FileTableModel.h"

namespace miravel {

RowSelection::RowSelection(FileTableModel* model, QObject* parent)
    : QObject(parent), model_(model), flags_(size_t(model->rowCount()), 0) {
    // Connected before the selection model exists, so these run before its own handlers: it
    // is empty by the time it would save its ranges.
    connect(model_, &QAbstractItemModel::layoutAboutToBeChanged, this, [this] {
        sorting_ = true;
        current_ = selection_->currentIndex();
        selection_->reset();  // silent: the flags keep the selection meanwhile
    });
    connect(model_, &FileTableModel::RowsPermuted, this, &RowSelection::Permute);
    connect(model_, &QAbstractItemModel::modelReset, this,
            [this] { flags_.assign(size_t(model_->rowCount()), 0); });
    connect(model_, &QAbstractItemModel::rowsRemoved, this,
            [this](const QModelIndex&, int first, int last) {
                flags_.erase(flags_.begin() + first, flags_.begin() + last + 1);
            });
    connect(model_, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int last) {
                flags_.insert(flags_.begin() + first, size_t(last - first + 1), 0);
            });
    selection_ = new QItemSelectionModel(model_, this);
    connect(model_, &QAbstractItemModel::layoutChanged, this, [this] {
        if (!sorting_)
            return;
        sorting_ = false;
        SelectFlaggedRuns();
        if (current_.isValid())
            selection_->setCurrentIndex(current_, QItemSelectionModel::NoUpdate);
        current_ = QPersistentModelIndex();
    });
    connect(selection_, &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection& selected, const QItemSelection& deselected) {
                Mark(deselected, 0);
                Mark(selected, 1);
            });
}

std::vector<int> RowSelection::Rows() const {
    std::vector<int> rows;
    for (size_t row = 0; row < flags_.size(); ++row)
        if (flags_[row])
            rows.push_back(int(row));
    return rows;
}

void RowSelection::SelectAll() {
    const int rows = model_->rowCount();
    const int columns = model_->columnCount();
    if (rows == 0 || columns == 0)
        return;
    selection_->select(QItemSelection(model_->index(0, 0), model_->index(rows - 1, columns - 1)),
                       QItemSelectionModel::ClearAndSelect);
}

void RowSelection::Mark(const QItemSelection& ranges, char flag) {
    const int rowCount = int(flags_.size());
    for (const QItemSelectionRange& range : ranges) {
        if (!range.isValid() || range.parent().isValid())
            continue;
        const int last = std::min(range.bottom(), rowCount - 1);
        for (int row = std::max(range.top(), 0); row <= last; ++row)
            flags_[size_t(row)] = flag;
    }
}

void RowSelection::Permute(const std::vector<int>& newPosition) {
    std::vector<char> moved(flags_.size(), 0);
    for (size_t row = 0; row < newPosition.size() && row < flags_.size(); ++row)
        moved[size_t(newPosition[row])] = flags_[row];
    flags_ = std::move(moved);
}

void RowSelection::SelectFlaggedRuns() {
    const int lastColumn = model_->columnCount() - 1;
    QItemSelection runs;
    const int rowCount = int(flags_.size());
    for (int row = 0; row < rowCount;) {
        if (!flags_[size_t(row)]) {
            ++row;
            continue;
        }
        const int first = row;
        while (row < rowCount && flags_[size_t(row)])
            ++row;
        runs.append(
            QItemSelectionRange(model_->index(first, 0), model_->index(row - 1, lastColumn)));
    }
    if (!runs.isEmpty())
        selection_->select(runs, QItemSelectionModel::Select);
}

}  // namespace miravel
