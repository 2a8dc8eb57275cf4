#pragma once

#include <QItemSelectionModel>
#include <QObject>
#include <QPersistentModelIndex>
#include <vector>

namespace miravel {

class FileTableModel;

// The table's selection, kept as one flag per row, and the selection model a view shows it
// through. A sort moves the flags with their rows and then selects the runs of flagged rows in
// one pass: the selection model is emptied before the rows move, so it never follows each
// selected range through the sort, which is slow for tens of thousands of scattered rows.
class RowSelection : public QObject {
    Q_OBJECT

  public:
    explicit RowSelection(FileTableModel* model, QObject* parent = nullptr);

    QItemSelectionModel* Model() const { return selection_; }
    bool IsSelected(int row) const { return flags_[size_t(row)] != 0; }
    // Selected rows in table order.
    std::vector<int> Rows() const;
    // Every row as one range.
    void SelectAll();

  private:
    void Mark(const QItemSelection& ranges, char flag);
    void Permute(const std::vector<int>& newPosition);
    void SelectFlaggedRuns();

    FileTableModel* model_;
    QItemSelectionModel* selection_ = nullptr;
    std::vector<char> flags_;
    QPersistentModelIndex current_;  // kept through a sort while the selection model is empty
    bool sorting_ = false;
};

}  // namespace miravel
