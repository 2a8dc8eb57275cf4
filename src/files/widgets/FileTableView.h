#pragma once

#include <QTreeView>
#include <functional>
#include <vector>

class QMenu;
class QMimeData;

namespace miravel {

class FileTableModel;
class NameEditDelegate;

// The file table's view (ListView1): report rows, several selectable, "No" shown leftmost.
// Header clicks sort, clicks and key releases ask for the selection's summary, the right button
// offers to take rows out of the list, selected rows are reordered by dragging them onto a row,
// and a name is edited in place (F2 or a click on the selected row's name); the edited name is
// handed on, and whoever renames the file says how the edit ended.
class FileTableView : public QTreeView {
    Q_OBJECT

  public:
    explicit FileTableView(QWidget* parent = nullptr);
    ~FileTableView() override;

    FileTableModel* TableModel() const;

    void SortByColumn(int column);
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
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                 const QModelIndex& index) const override;

  private:
    void ShowRowMenu(Qt::MouseButton button, const QPoint& globalPos);
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
    QMenu* my_mnu = nullptr;        // the row menu ("メニュー")
    QAction* mnu_delete = nullptr;  // takes the selected rows out of the list
    bool pressOnSoleCurrentRow_ = false;
    bool isDragging_ = false;
    int dropHighlightRow_ = -1;
};

}  // namespace miravel
