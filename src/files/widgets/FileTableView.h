#pragma once

#include <QTreeView>
#include <functional>
#include <vector>

class QMenu;
class QMimeData;

namespace miravel {

class FileTableModel;
class NameEditDelegate;
class RowSelectionModel;

// The file table's view (ListView1): report rows, several selectable, "No" shown leftmost.
// Header clicks sort, clicks and key releases ask for the selection's summary, the right button
// offers to take rows out of the list, selected rows are reordered by dragging them onto a row,
// and a name is edited in place (F2 or a click on the selected row's name); the edited name is
// handed on, and whoever renames the file says how the edit ended. The Menu key and Shift+F10
// open the row menu too, and Delete takes the selected rows out of the list. Sizes, types,
// dates and numbers are as wide as their texts; the name columns share the rest of the width,
// and a cell too narrow for its text shows it whole in a tooltip.
class FileTableView : public QTreeView {
    Q_OBJECT

  public:
    explicit FileTableView(QWidget* parent = nullptr);
    ~FileTableView() override;

    FileTableModel* TableModel() const;
    void setModel(QAbstractItemModel* model) override;

    void SortByColumn(int column);
    // Fits the size, type, date and number columns to the texts of every row.
    void FitColumnsToContents();
    // Every row as one selection range; the tree view's own walks every row of the table.
    void selectAll() override;
    void RemoveSelectedRows();
    std::vector<int> SelectedRows() const;
    // A name edit in progress is dropped unrenamed, as when the window goes.
    void AbandonNameEdit() { nameEditAbandoned_ = true; }

    QMenu* RowMenu() const { return my_mnu; }
    bool IsDragging() const { return isDragging_; }
    int DropHighlightRow() const { return dropHighlightRow_; }
    QString EditOriginalName() const { return editOriginalName_; }

    // Runs a drag of our own with its payload; the platform's drag loop unless replaced (tests
    // drive the drag events from here, since the platform's loop blocks).
    std::function<void(const QMimeData& payload)> dragLoop;

  public Q_SLOTS:
    // How the rename of an edited name ended: an edit refused before the row changed is
    // remembered, and the next edit of that row is refused once.
    void EndNameEdit(bool editOver);
    // Around a refill: the busy pointer, the table off, and the focus kept.
    void BeginRefill();
    void EndRefill();

  Q_SIGNALS:
    // A click or key release may have changed the selection.
    void SelectionGestureEnded();
    void NameEdited(int row, const QString& originalName, const QString& newName);

  protected:
    void dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                     const QList<int>& roles = QList<int>()) override;
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                 const QModelIndex& index) const override;
    QItemSelectionModel::SelectionFlags selectionCommand(
        const QModelIndex& index, const QEvent* event = nullptr) const override;
    QModelIndexList selectedIndexes() const override;

  private:
    // The table's selection flags, when the selection model keeps them (the session's does).
    const RowSelectionModel* FlaggedSelection() const;
    // What a click does to a selection kept in flags, decided from the flags.
    QItemSelectionModel::SelectionFlags PressCommand(const RowSelectionModel& rows,
                                                     const QModelIndex& index,
                                                     const QMouseEvent& event) const;
    QItemSelectionModel::SelectionFlags ReleaseCommand(const RowSelectionModel& rows,
                                                       const QModelIndex& index,
                                                       const QMouseEvent& event) const;
    void ShowRowMenu(Qt::MouseButton button, const QPoint& globalPos);
    // The row menu by the keyboard: under the current row.
    void ShowRowMenuAtCurrentRow();
    // Widens the fitted columns where rows first to last need more room.
    void WidenColumnsFor(int first, int last);
    // The name columns share the width the fitted columns leave, each keeping a least width.
    void ShareWidthAmongNameColumns();
    // A cell whose text does not fit shows it whole in a tooltip; false when none is shown.
    bool ShowCellToolTip(const QPoint& position, const QPoint& globalPos);
    // Marks the row under the pointer as the drop target and brings it fully into view.
    void FollowPointer(const QPoint& position);
    void SetDropHighlightRow(int row);
    void ScrollCurrentRowIntoView();
    bool BeforeNameEdit(const QModelIndex& index);
    void AfterNameEdit(const QModelIndex& index, const QString& text);

    QString editOriginalName_;  // the row whose edit is open or was last refused
    bool nameEditAbandoned_ = false;
    bool hadFocusBeforeRefill_ = false;
    NameEditDelegate* nameDelegate_ = nullptr;
    QObject* modelWatch_ = nullptr;  // the context of the connections to the model
    QMenu* my_mnu = nullptr;         // the row menu ("メニュー")
    QAction* mnu_delete = nullptr;   // takes the selected rows out of the list
    bool pressOnSoleCurrentRow_ = false;
    QPersistentModelIndex pressedIndex_;
    // Select or deselect: a Ctrl-drag does to every row what its press did to the first.
    QItemSelectionModel::SelectionFlags ctrlDragCommand_ = QItemSelectionModel::NoUpdate;
    bool isDragging_ = false;
    int dropHighlightRow_ = -1;
};

}  // namespace miravel
