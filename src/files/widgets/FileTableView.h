#pragma once

#include <QTreeView>
#include <functional>
#include <memory>
#include <vector>

#include "files/SelectionSummary.h"

class QMenu;
class QMimeData;

namespace miravel {

class FileSystem;
class FileTableModel;
class InPlaceRename;
class MessageBoxes;
class NameEditDelegate;

// What the view needs from the window to rename files in place and to name the folder.
struct FileTableViewServices {
    FileSystem* fileSystem = nullptr;
    MessageBoxes* messages = nullptr;
    std::function<QString()> folder;
    // Told each file renamed by editing its name; optional.
    std::function<void(const QString& folder, const QString& oldName, const QString& newName)>
        renamed;
};

// The file table's view (ListView1): report rows, several selectable, "No" shown leftmost.
// Header clicks sort, clicks and key releases report the selection, the right button offers
// to take rows out of the list, selected rows are reordered by dragging them onto a row, and
// a name is edited in place (F2 or a click on the selected row's name) to rename its file.
class FileTableView : public QTreeView {
    Q_OBJECT

  public:
    explicit FileTableView(QWidget* parent = nullptr);
    ~FileTableView() override;

    void Bind(const FileTableViewServices& services);
    FileTableModel* TableModel() const;

    void setModel(QAbstractItemModel* model) override;

    void SortByColumn(int column);
    // Sizes, types, dates and numbers as wide as their widest text; the name columns share the
    // rest of the width.
    void FitColumnsToContents();
    void ShowSelectionSummary();
    void SelectAllRows();
    // Every row as one selection range; the tree view's own walks every row of the table.
    void selectAll() override;
    void RemoveSelectedRows();
    // Selects the rows of these names only (names not in the table are passed over) and
    // reports the selection.
    void SelectRowsNamed(const QStringList& names);
    std::vector<int> SelectedRows() const;

    QMenu* RowMenu() const { return my_mnu; }
    bool IsDragging() const { return isDragging_; }
    int DropHighlightRow() const { return dropHighlightRow_; }
    QString EditOriginalName() const;

    // Runs a drag of our own with its payload; the platform's drag loop unless replaced (tests
    // drive the drag events from here, since the platform's loop blocks).
    std::function<void(const QMimeData& payload)> dragLoop;

  Q_SIGNALS:
    void SelectionSummaryReady(const miravel::SelectionSummary& summary);

  protected:
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

  private:
    void ShowRowMenu(Qt::MouseButton button, const QPoint& globalPos);
    // The row menu by the keyboard: beside the current row.
    void ShowRowMenuAtCurrentRow();
    // A cell whose text does not fit shows it whole in a tooltip.
    bool ShowCellToolTip(const QPoint& position, const QPoint& globalPos);
    // Marks the row under the pointer as the drop target and brings it fully into view.
    void FollowPointer(const QPoint& position);
    void SetDropHighlightRow(int row);
    void ScrollCurrentRowIntoView();
    bool BeforeNameEdit(const QModelIndex& index);
    void AfterNameEdit(const QModelIndex& index, const QString& text);

    FileTableViewServices services_;
    std::unique_ptr<InPlaceRename> rename_;
    NameEditDelegate* nameDelegate_ = nullptr;
    QMenu* my_mnu = nullptr;        // the row menu ("メニュー")
    QAction* mnu_delete = nullptr;  // takes the selected rows out of the list
    bool pressOnSoleCurrentRow_ = false;
    bool isDragging_ = false;
    int dropHighlightRow_ = -1;
};

}  // namespace miravel
