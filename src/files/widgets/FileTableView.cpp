#include "files/widgets/FileTableView.h"

#include <QDrag>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>

#include "files/FileTableModel.h"
#include "files/FileTexts.h"
#include "files/SelectedRows.h"
#include "files/widgets/ColumnFit.h"
#include "files/widgets/NameEditDelegate.h"
#include "rename/InPlaceRename.h"

namespace miravel {

FileTableView::FileTableView(QWidget* parent) : QTreeView(parent) {
    setObjectName(QStringLiteral("ListView1"));
    setAccessibleName(QStringLiteral("ファイル一覧"));
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDropIndicatorShown(false);
    setContextMenuPolicy(Qt::PreventContextMenu);

    // The model sorts on header clicks; the view's own sorting would fight it.
    setSortingEnabled(false);
    header()->setSectionsClickable(true);
    connect(header(), &QHeaderView::sectionClicked, this, &FileTableView::SortByColumn);

    nameDelegate_ = new NameEditDelegate(this);
    nameDelegate_->beforeEdit = [this](const QModelIndex& index) { return BeforeNameEdit(index); };
    nameDelegate_->afterEdit = [this](const QModelIndex& index, const QString& text) {
        AfterNameEdit(index, text);
    };
    setItemDelegateForColumn(kNameColumn, nameDelegate_);

    my_mnu = new QMenu(texts::MenuCaption(), this);
    my_mnu->setObjectName(QStringLiteral("my_mnu"));
    mnu_delete = my_mnu->addAction(texts::RemoveFromListCaption());
    mnu_delete->setObjectName(QStringLiteral("mnu_delete"));
    connect(mnu_delete, &QAction::triggered, this, &FileTableView::RemoveSelectedRows);
}

FileTableView::~FileTableView() = default;

void FileTableView::Bind(const FileTableViewServices& services) {
    services_ = services;
    rename_.reset();
    if (services_.fileSystem && services_.messages)
        rename_ = std::make_unique<InPlaceRename>(*services_.fileSystem, *services_.messages);
}

FileTableModel* FileTableView::TableModel() const {
    return qobject_cast<FileTableModel*>(model());
}

QString FileTableView::EditOriginalName() const {
    return rename_ ? rename_->EditOriginalName() : QString();
}

std::vector<int> FileTableView::SelectedRows() const {
    if (!model() || !selectionModel())
        return {};
    return SelectedRowsInOrder(selectionModel()->selection(), model()->rowCount());
}

void FileTableView::ScrollCurrentRowIntoView() {
    if (model() && model()->rowCount() > 0 && currentIndex().isValid())
        scrollTo(currentIndex());
}

void FileTableView::setModel(QAbstractItemModel* model) {
    if (QAbstractItemModel* old = this->model())
        disconnect(old, &QAbstractItemModel::modelReset, this,
                   &FileTableView::FitColumnsToContents);
    QTreeView::setModel(model);
    if (model)
        connect(model, &QAbstractItemModel::modelReset, this, &FileTableView::FitColumnsToContents);
    FitColumnsToContents();
}

void FileTableView::FitColumnsToContents() {
    const FileTableModel* table = TableModel();
    if (!table)
        return;
    header()->setStretchLastSection(false);
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const std::vector<FileRow>& rows = table->Rows();
    for (int column = 0; column < table->columnCount(); ++column) {
        const bool fitted = column == kSizeColumn || column == kTypeColumn ||
                            column == kMadeColumn || column == kRenewColumn || column == kNoColumn;
        if (!fitted) {
            header()->setSectionResizeMode(column, QHeaderView::Stretch);
            continue;
        }
        header()->setSectionResizeMode(column, QHeaderView::Interactive);
        int width = header()->sectionSizeHint(column);
        if (!rows.empty()) {
            // The delegate's margins around the text, taken from a row as it is drawn.
            const QModelIndex sample = table->index(0, column);
            const int margins = itemDelegateForIndex(sample)->sizeHint(option, sample).width() -
                                option.fontMetrics.horizontalAdvance(sample.data().toString());
            width = std::max(width, WidestColumnText(option.fontMetrics, rows, column) + margins);
            // Type texts mix scripts, whose fallback fonts the delegate measures best; there
            // are few of them.
            if (column == kTypeColumn) {
                for (int row : DistinctTypeRows(rows)) {
                    const QModelIndex index = table->index(row, column);
                    width = std::max(width,
                                     itemDelegateForIndex(index)->sizeHint(option, index).width());
                }
            }
        }
        header()->resizeSection(column, width);
    }
}

void FileTableView::SortByColumn(int column) {
    if (FileTableModel* table = TableModel()) {
        table->SortByColumn(column);
        ScrollCurrentRowIntoView();
    }
}

void FileTableView::ShowSelectionSummary() {
    const FileTableModel* table = TableModel();
    if (!table)
        return;
    const QString folder = services_.folder ? services_.folder() : QString();
    Q_EMIT SelectionSummaryReady(SummarizeSelection(table->Rows(), SelectedRows(), folder));
}

void FileTableView::selectAll() {
    QAbstractItemModel* table = model();
    QItemSelectionModel* selection = selectionModel();
    if (!table || !selection || selectionMode() == SingleSelection ||
        selectionMode() == NoSelection)
        return;
    const int rows = table->rowCount(rootIndex());
    const int columns = table->columnCount(rootIndex());
    if (rows == 0 || columns == 0)
        return;
    selection->select(QItemSelection(table->index(0, 0, rootIndex()),
                                     table->index(rows - 1, columns - 1, rootIndex())),
                      QItemSelectionModel::ClearAndSelect);
}

void FileTableView::SelectAllRows() {
    const FileTableModel* table = TableModel();
    if (!table)
        return;
    selectAll();
    const QString folder = services_.folder ? services_.folder() : QString();
    Q_EMIT SelectionSummaryReady(SummarizeAllRows(table->Rows(), folder));
    setFocus(Qt::OtherFocusReason);
}

void FileTableView::RemoveSelectedRows() {
    if (FileTableModel* table = TableModel())
        table->RemoveRowsAt(SelectedRows());
}

void FileTableView::SelectRowsNamed(const QStringList& names) {
    const FileTableModel* table = TableModel();
    if (!table || !selectionModel())
        return;
    QItemSelection rows;
    int first = -1;
    for (const QString& name : names) {
        const int row = table->FindRowByKey(RowKeyForName(name));
        if (row < 0)
            continue;
        rows.select(table->index(row, 0), table->index(row, table->columnCount() - 1));
        if (first < 0 || row < first)
            first = row;
    }
    selectionModel()->select(rows, QItemSelectionModel::ClearAndSelect);
    if (first >= 0) {
        selectionModel()->setCurrentIndex(table->index(first, kNameColumn),
                                          QItemSelectionModel::NoUpdate);
        scrollTo(currentIndex());
    }
    ShowSelectionSummary();
}

void FileTableView::ShowRowMenu(Qt::MouseButton button, const QPoint& globalPos) {
    if (button == Qt::RightButton)
        my_mnu->popup(globalPos);
}

void FileTableView::ShowRowMenuAtCurrentRow() {
    QRect row = visualRect(currentIndex());
    if (!currentIndex().isValid() || !viewport()->rect().intersects(row))
        row = QRect(viewport()->rect().topLeft(), QSize(1, 1));
    my_mnu->popup(viewport()->mapToGlobal(QPoint(row.left() + 8, row.bottom())));
}

bool FileTableView::ShowCellToolTip(const QPoint& position, const QPoint& globalPos) {
    const QModelIndex index = indexAt(position);
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const QRect cell = visualRect(index);
    if (!index.isValid() ||
        itemDelegateForIndex(index)->sizeHint(option, index).width() <= cell.width()) {
        QToolTip::hideText();
        return false;
    }
    QToolTip::showText(globalPos, index.data().toString(), viewport(), cell);
    return true;
}

bool FileTableView::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    // A click edits only the row that was already the one selected and current: after a fill
    // every row is selected, and a click there picks a row rather than opening an editor.
    if (trigger == SelectedClicked && !pressOnSoleCurrentRow_)
        return false;
    // F2 edits the name whichever cell of the row has the focus.
    if (trigger == EditKeyPressed && index.isValid() && index.column() != kNameColumn)
        return QTreeView::edit(index.siblingAtColumn(kNameColumn), trigger, event);
    return QTreeView::edit(index, trigger, event);
}

bool FileTableView::BeforeNameEdit(const QModelIndex& index) {
    const FileTableModel* table = TableModel();
    if (!rename_ || !table || !index.isValid())
        return false;
    return rename_->BeforeEdit(table->Row(index.row()).name);
}

void FileTableView::AfterNameEdit(const QModelIndex& index, const QString& text) {
    FileTableModel* table = TableModel();
    if (!rename_ || !table || !index.isValid())
        return;
    const QPersistentModelIndex edited(index);
    EditedRow row;
    row.name = [table, edited] {
        return edited.isValid() ? table->Row(edited.row()).name : QString();
    };
    row.setName = [table, edited](const QString& name) {
        return edited.isValid() && table->SetRowName(edited.row(), name);
    };
    const QString folder = services_.folder ? services_.folder() : QString();
    const QString oldName = rename_->EditOriginalName();
    if (rename_->AfterEdit(folder, text, row) && services_.renamed)
        services_.renamed(folder, oldName, text);
}

void FileTableView::mousePressEvent(QMouseEvent* event) {
    const QModelIndex pressed = indexAt(event->position().toPoint());
    const std::vector<int> selected = SelectedRows();
    // Ctrl and Shift clicks change the selection; they never open the editor.
    const bool selectionGesture = event->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier);
    pressOnSoleCurrentRow_ = !selectionGesture && pressed.isValid() && currentIndex().isValid() &&
                             pressed.row() == currentIndex().row() && selected.size() == 1 &&
                             selected.front() == pressed.row();
    QTreeView::mousePressEvent(event);
    ShowRowMenu(event->button(), event->globalPosition().toPoint());
}

void FileTableView::mouseReleaseEvent(QMouseEvent* event) {
    QTreeView::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton)
        ShowSelectionSummary();
}

void FileTableView::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const bool menuKey = (event->key() == Qt::Key_Menu && modifiers == Qt::NoModifier) ||
                         (event->key() == Qt::Key_F10 && modifiers == Qt::ShiftModifier);
    if (menuKey) {
        ShowRowMenuAtCurrentRow();
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Delete && modifiers == Qt::NoModifier) {
        // Out of the list only: the files stay on the disk.
        RemoveSelectedRows();
        event->accept();
        return;
    }
    QTreeView::keyPressEvent(event);
}

bool FileTableView::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        if (!ShowCellToolTip(help->pos(), help->globalPos()))
            event->ignore();
        return true;
    }
    return QTreeView::viewportEvent(event);
}

void FileTableView::changeEvent(QEvent* event) {
    QTreeView::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        FitColumnsToContents();
}

void FileTableView::keyReleaseEvent(QKeyEvent* event) {
    QTreeView::keyReleaseEvent(event);
    ShowSelectionSummary();
}

void FileTableView::startDrag(Qt::DropActions supportedActions) {
    FileTableModel* table = TableModel();
    if (!table)
        return;
    QModelIndexList dragged;
    for (int row : SelectedRows())
        dragged.append(table->index(row, kNameColumn));
    QMimeData* payload = table->mimeData(dragged);
    if (!payload)
        return;

    isDragging_ = true;
    if (dragLoop) {
        dragLoop(*payload);
        delete payload;
    } else {
        auto* drag = new QDrag(this);
        drag->setMimeData(payload);
        drag->exec(supportedActions);
    }
    SetDropHighlightRow(-1);
    isDragging_ = false;
}

void FileTableView::dragEnterEvent(QDragEnterEvent* event) {
    // Only our own rows are dropped here; anything dragged in from elsewhere is turned away.
    if (isDragging_)
        event->acceptProposedAction();
    else
        event->ignore();
}

void FileTableView::dragMoveEvent(QDragMoveEvent* event) {
    if (!isDragging_) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    const QPoint position = event->position().toPoint();
    FollowPointer(position);
    const int margin = autoScrollMargin();
    if (hasAutoScroll() && (position.y() < margin || viewport()->height() - position.y() < margin))
        startAutoScroll();
}

void FileTableView::FollowPointer(const QPoint& position) {
    if (position.y() == 0)
        return;
    const QModelIndex under = indexAt(position);
    SetDropHighlightRow(under.isValid() ? under.row() : -1);
    if (under.isValid())
        scrollTo(under);
}

void FileTableView::dropEvent(QDropEvent* event) {
    FileTableModel* table = TableModel();
    // The rows may have scrolled under a still pointer since the last move.
    if (isDragging_)
        FollowPointer(event->position().toPoint());
    if (!isDragging_ || !table || dropHighlightRow_ < 0 || dropHighlightRow_ >= table->rowCount()) {
        event->ignore();
        return;
    }
    const QModelIndex target = table->index(dropHighlightRow_, kNameColumn);
    if (table->dropMimeData(event->mimeData(), Qt::MoveAction, -1, -1, target))
        ScrollCurrentRowIntoView();
    event->accept();
}

void FileTableView::SetDropHighlightRow(int row) {
    if (row == dropHighlightRow_)
        return;
    dropHighlightRow_ = row;
    viewport()->update();
}

void FileTableView::drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const {
    QTreeView::drawRow(painter, option, index);
    if (index.row() != dropHighlightRow_)
        return;
    const QColor highlight = palette().color(QPalette::Highlight);
    QColor fill = highlight;
    fill.setAlpha(64);
    painter->save();
    painter->fillRect(option.rect, fill);
    painter->setPen(QPen(highlight, 2));
    painter->drawRect(option.rect.adjusted(1, 1, -1, -1));
    painter->restore();
}

}  // namespace miravel
