#pragma once

#include <QObject>
#include <QPersistentModelIndex>
#include <vector>

namespace miravel {

class FileTableModel;
class RowSelectionModel;

// The table's selection, kept as one flag per row in the selection model a view shows it
// through, and moved with the rows as the table changes. A sort moves the flags with their rows:
// Qt's ranges are set aside before the rows move, so they never follow each range through the
// sort, which is slow for tens of thousands of scattered rows.
class RowSelection : public QObject {
    Q_OBJECT

  public:
    explicit RowSelection(FileTableModel* model, QObject* parent = nullptr);

    RowSelectionModel* Model() const { return selection_; }
    bool IsSelected(int row) const;
    // Selected rows in table order.
    std::vector<int> Rows() const;
    // Every row as one range.
    void SelectAll();

  private:
    FileTableModel* model_;
    RowSelectionModel* selection_ = nullptr;
    QPersistentModelIndex current_;  // kept through a sort while the ranges are set aside
    bool sorting_ = false;
};

}  // namespace miravel
