#pragma once

#include <QItemSelectionModel>
#include <vector>

namespace miravel {

// The table's selection as one flag per row, behind Qt's selection model so that a view drives
// it as usual. Qt asks its model's ranges one by one for every cell it paints and every query, so
// tens of thousands of scattered ranges make each paint and each sort slow. Here the flags are
// the selection: the view paints rows from them, and Qt's own ranges hold only the first few runs
// of selected rows, enough for its queries on a single row or a plain range (an edit on click,
// clearSelection, accessibility) without the cost.
class RowSelectionModel : public QItemSelectionModel {
    Q_OBJECT

  public:
    explicit RowSelectionModel(QAbstractItemModel* model, QObject* parent = nullptr);

    bool IsRowSelected(int row) const;
    // Selected rows in table order.
    std::vector<int> Rows() const;
    // True when row is selected and no other row is.
    bool IsSoleSelectedRow(int row) const;

    void select(const QModelIndex& index, SelectionFlags command) override;
    void select(const QItemSelection& selection, SelectionFlags command) override;
    void clear() override;
    // Silent, as Qt's: the flags too.
    void reset() override;

    // Qt's ranges and current row are dropped silently while the flags keep the selection: a
    // sort moves no ranges then.
    void SetRangesAside();

    // The table's rows changed; the flags follow them without a signal.
    void ResetRows(int count);
    void InsertRows(int first, int count);
    void RemoveRows(int first, int last);
    // newPosition[row] is where row went.
    void PermuteRows(const std::vector<int>& newPosition);
    // Qt's ranges are made again from the flags (after a sort emptied them).
    void MirrorRuns();

  private:
    // What a command of Qt's selection model does, applied to the flags: the rows selected before
    // the last command that did not extend the current selection are kept aside, so that a
    // Shift-click or a drag replaces only its own part.
    bool Apply(const QItemSelection& selection, SelectionFlags command, int* firstChanged,
               int* lastChanged);

    std::vector<unsigned char> flags_;
};

}  // namespace miravel
