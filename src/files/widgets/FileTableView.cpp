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
#include <QStyle>
#include <QToolTip>
#include <algorithm>
#include <span>

#include "files/FileTableModel.h"
#include "files/FileTexts.h"
#include "files/RowSelectionModel.h"
#include "files/SelectedRows.h"
#include "files/widgets/ColumnFit.h"
#include "files/widgets/NameEditDelegate.h"
#include "files/widgets/PreviewDelegate.h"

namespace miravel {

FileTableView::FileTableView(QWidget* parent) : QTreeView(parent) {
    setObjectName(QStringLiteral("ListView1"));
    setAccessibleName(files_texts::TableName.toString());
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
    header()->setStretchLastSection(false);
    // A fitted column made wider or narrower by hand takes its width from the names.
    connect(header(), &QHeaderView::sectionResized, this, [this](int column) {
        if (IsFittedColumn(column))
            ShareWidthAmongNameColumns();
    });
    connect(header(), &QHeaderView::sectionClicked, this, &FileTableView::SortByColumn);

    nameDelegate_ = new NameEditDelegate(this);
    nameDelegate_->beforeEdit = [this](const QModelIndex& index) { return BeforeNameEdit(index); };
    nameDelegate_->afterEdit = [this](const QModelIndex& index, const QString& text) {
        AfterNameEdit(index, text);
    };
    setItemDelegateForColumn(kNameColumn, nameDelegate_);
    setItemDelegateForColumn(kPreviewColumn, new PreviewDelegate(this));

    my_mnu = new QMenu(files_texts::MenuCaption.toString(), this);
    my_mnu->setObjectName(QStringLiteral("my_mnu"));
    mnu_delete = my_mnu->addAction(files_texts::RemoveFromListCaption.toString());
    mnu_delete->setObjectName(QStringLiteral("mnu_delete"));
    connect(mnu_delete, &QAction::triggered, this, &FileTableView::RemoveSelectedRows);
}

FileTableView::~FileTableView() = default;

FileTableModel* FileTableView::TableModel() const {
    return qobject_cast<FileTableModel*>(model());
}

const RowSelectionModel* FileTableView::FlaggedSelection() const {
    return qobject_cast<const RowSelectionModel*>(selectionModel());
}

std::vector<int> FileTableView::SelectedRows() const {
    if (!model() || !selectionModel())
        return {};
    if (const RowSelectionModel* rows = FlaggedSelection())
        return rows->Rows();
    return SelectedRowsInOrder(selectionModel()->selection(), model()->rowCount());
}

void FileTableView::dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                                const QList<int>& roles) {
    // A new plan changes the whole preview column: only the rows shown need drawing again,
    // and the tree view would otherwise visit every row of the range for its height.
    if (topLeft.column() == kPreviewColumn && bottomRight.column() == kPreviewColumn) {
        viewport()->update();
        return;
    }
    QTreeView::dataChanged(topLeft, bottomRight, roles);
}

void FileTableView::ScrollCurrentRowIntoView() {
    if (model() && model()->rowCount() > 0 && currentIndex().isValid())
        scrollTo(currentIndex());
}

void FileTableView::setModel(QAbstractItemModel* model) {
    // The connections of the model before go with their context.
    delete modelWatch_;
    modelWatch_ = nullptr;
    QTreeView::setModel(model);
    if (!model)
        return;
    modelWatch_ = new QObject(this);
    connect(model, &QAbstractItemModel::modelReset, modelWatch_,
            [this] { FitColumnsToContents(); });
    connect(model, &QAbstractItemModel::columnsInserted, modelWatch_,
            [this] { FitColumnsToContents(); });
    connect(model, &QAbstractItemModel::rowsInserted, modelWatch_,
            [this](const QModelIndex&, int first, int last) { WidenColumnsFor(first, last); });
    connect(model, &QAbstractItemModel::dataChanged, modelWatch_,
            [this](const QModelIndex& topLeft, const QModelIndex& bottomRight) {
                for (int column = topLeft.column(); column <= bottomRight.column(); ++column) {
                    if (IsFittedColumn(column)) {
                        WidenColumnsFor(topLeft.row(), bottomRight.row());
                        return;
                    }
                }
            });
    FitColumnsToContents();
}

void FileTableView::ShareWidthAmongNameColumns() {
    QHeaderView* columns = header();
    int fitted = 0;
    QList<int> names;
    for (int column = 0; column < columns->count(); ++column) {
        if (columns->isSectionHidden(column))
            continue;
        if (IsFittedColumn(column))
            fitted += columns->sectionSize(column);
        else
            names << column;
    }
    if (names.isEmpty())
        return;
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const int textMargin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
    const int least =
        option.fontMetrics.horizontalAdvance(files_texts::NameWidthSample.toString()) +
        option.decorationSize.width() + 4 * textMargin;
    const int rest = viewport()->width() - fitted;
    const int each = std::max(least, int(rest / names.size()));
    // The pixels the division leaves go to the first columns, so the header ends at the edge.
    qsizetype spare = std::max<qsizetype>(0, rest - each * names.size());
    for (int column : names)
        columns->resizeSection(column, each + (spare-- > 0 ? 1 : 0));
}

void FileTableView::FitColumnsToContents() {
    const FileTableModel* table = TableModel();
    if (!table)
        return;
    for (int column = 0; column < header()->count(); ++column) {
        const bool fitted = IsFittedColumn(column);
        // The names follow the window; only the fitted columns are sized by hand.
        header()->setSectionResizeMode(column,
                                       fitted ? QHeaderView::Interactive : QHeaderView::Fixed);
        if (fitted)
            header()->resizeSection(column, header()->sectionSizeHint(column));
    }
    WidenColumnsFor(0, table->rowCount() - 1);
    ShareWidthAmongNameColumns();
}

void FileTableView::WidenColumnsFor(int first, int last) {
    const FileTableModel* table = TableModel();
    if (!table || first < 0 || first > last || last >= table->rowCount())
        return;
    const std::span<const FileRow> rows(table->Rows().data() + first, size_t(last - first + 1));
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    for (int column = 0; column < header()->count(); ++column) {
        if (!IsFittedColumn(column))
            continue;
        int width = 0;
        if (column == kTypeColumn) {
            // Types mix scripts, whose fallback fonts only the delegate measures right; a
            // table has few of them.
            for (size_t row : DistinctTypeRows(rows)) {
                const QModelIndex index = table->index(first + int(row), column);
                width =
                    std::max(width, itemDelegateForIndex(index)->sizeHint(option, index).width());
            }
        } else {
            // The delegate's margins around the text, taken from a row as it is drawn.
            const QModelIndex sample = table->index(first, column);
            const int margins = itemDelegateForIndex(sample)->sizeHint(option, sample).width() -
                                option.fontMetrics.horizontalAdvance(sample.data().toString());
            width = WidestShapedText(option.fontMetrics, rows, column) + margins;
        }
        if (width > header()->sectionSize(column))
            header()->resizeSection(column, width);
    }
}

void FileTableView::SortByColumn(int column) {
    if (FileTableModel* table = TableModel()) {
        table->SortByColumn(column);
        ScrollCurrentRowIntoView();
    }
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

void FileTableView::BeginRefill() {
    window()->setCursor(Qt::WaitCursor);
    // Disabling the table pushes the focus on to the next control. A fill can run while the
    // table is taking the focus (a click on it made a date box refill), and the focus belongs
    // to the table then.
    hadFocusBeforeRefill_ = hasFocus();
    setEnabled(false);
}

void FileTableView::EndRefill() {
    setEnabled(true);
    if (hadFocusBeforeRefill_)
        setFocus(Qt::OtherFocusReason);
    window()->unsetCursor();
}

void FileTableView::RemoveSelectedRows() {
    if (FileTableModel* table = TableModel())
        table->RemoveRowsAt(SelectedRows());
}

void FileTableView::ShowRowMenu(Qt::MouseButton button, const QPoint& globalPos) {
    if (button == Qt::RightButton)
        my_mnu->popup(globalPos);
}

void FileTableView::ShowRowMenuAtCurrentRow() {
    QRect row = visualRect(currentIndex());
    if (!currentIndex().isValid() || !viewport()->rect().intersects(row))
        row = QRect(viewport()->rect().topLeft(), QSize(1, 1));
    my_mnu->popup(viewport()->mapToGlobal(QPoint(row.left() + row.height() / 2, row.bottom())));
}

bool FileTableView::ShowCellToolTip(const QPoint& position, const QPoint& globalPos) {
    const QModelIndex index = indexAt(position);
    if (!index.isValid())
        return false;
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const QRect cell = visualRect(index);
    if (itemDelegateForIndex(index)->sizeHint(option, index).width() <= cell.width())
        return false;
    // A cell's own tooltip (why a new name would fail) follows its whole text.
    QString text = index.data().toString();
    if (const QString own = index.data(Qt::ToolTipRole).toString(); !own.isEmpty())
        text += u'\n' + own;
    QToolTip::showText(globalPos, text, viewport(), cell);
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
    if (nameEditAbandoned_ || !table || !index.isValid())
        return false;
    const QString& rowName = table->Row(index.row()).name;
    if (rowName != editOriginalName_) {
        editOriginalName_ = rowName;
        return true;
    }
    editOriginalName_.clear();
    return false;
}

void FileTableView::AfterNameEdit(const QModelIndex& index, const QString& text) {
    if (nameEditAbandoned_ || !TableModel() || !index.isValid())
        return;
    Q_EMIT NameEdited(index.row(), editOriginalName_, text);
}

void FileTableView::EndNameEdit(bool editOver) {
    if (editOver)
        editOriginalName_.clear();
}

void FileTableView::mousePressEvent(QMouseEvent* event) {
    const QModelIndex pressed = indexAt(event->position().toPoint());
    // Ctrl and Shift clicks change the selection; they never open the editor.
    const bool selectionGesture = event->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier);
    bool soleSelected = false;
    if (const RowSelectionModel* rows = FlaggedSelection(); rows && pressed.isValid()) {
        soleSelected = rows->IsSoleSelectedRow(pressed.row());
    } else if (pressed.isValid()) {
        const std::vector<int> selected = SelectedRows();
        soleSelected = selected.size() == 1 && selected.front() == pressed.row();
    }
    pressOnSoleCurrentRow_ = !selectionGesture && soleSelected && currentIndex().isValid() &&
                             pressed.row() == currentIndex().row();
    pressedIndex_ = pressed;
    ctrlDragCommand_ = QItemSelectionModel::NoUpdate;
    if (const RowSelectionModel* rows = FlaggedSelection();
        rows && pressed.isValid() && (event->modifiers() & Qt::ControlModifier))
        ctrlDragCommand_ = (rows->IsRowSelected(pressed.row()) ? QItemSelectionModel::Deselect
                                                               : QItemSelectionModel::Select) |
                           QItemSelectionModel::Rows;
    QTreeView::mousePressEvent(event);
    ShowRowMenu(event->button(), event->globalPosition().toPoint());
}

void FileTableView::mouseReleaseEvent(QMouseEvent* event) {
    QTreeView::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton)
        Q_EMIT SelectionGestureEnded();
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
    if (event->type() == QEvent::Resize) {
        const bool handled = QTreeView::viewportEvent(event);
        ShareWidthAmongNameColumns();
        return handled;
    }
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        // A tip of the model's own comes first.
        if (!indexAt(help->pos()).data(Qt::ToolTipRole).isValid()) {
            if (!ShowCellToolTip(help->pos(), help->globalPos())) {
                QToolTip::hideText();
                event->ignore();
            }
            return true;
        }
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
    Q_EMIT SelectionGestureEnded();
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

QItemSelectionModel::SelectionFlags FileTableView::selectionCommand(const QModelIndex& index,
                                                                    const QEvent* event) const {
    // Qt decides a click from its own ranges, which hold only part of a large selection.
    const RowSelectionModel* rows = FlaggedSelection();
    if (!rows || !event || selectionMode() != ExtendedSelection)
        return QTreeView::selectionCommand(index, event);
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            return PressCommand(*rows, index, *static_cast<const QMouseEvent*>(event));
        case QEvent::MouseButtonRelease:
            return ReleaseCommand(*rows, index, *static_cast<const QMouseEvent*>(event));
        case QEvent::MouseMove:
            if (static_cast<const QMouseEvent*>(event)->modifiers() & Qt::ControlModifier)
                return ctrlDragCommand_;
            break;
        default:
            break;
    }
    return QTreeView::selectionCommand(index, event);
}

QItemSelectionModel::SelectionFlags FileTableView::PressCommand(const RowSelectionModel& rows,
                                                                const QModelIndex& index,
                                                                const QMouseEvent& event) const {
    using Flag = QItemSelectionModel::SelectionFlag;
    const bool rightButton = event.button() == Qt::RightButton;
    const bool shift = event.modifiers() & Qt::ShiftModifier;
    const bool ctrl = event.modifiers() & Qt::ControlModifier;
    const bool selected = index.isValid() && rows.IsRowSelected(index.row());
    if ((shift || ctrl) && rightButton)
        return Flag::NoUpdate;
    // A press on a selected row may start dragging the selection: a click selects on release.
    if (!shift && !ctrl && selected)
        return Flag::NoUpdate;
    if (!index.isValid())
        return rightButton || shift || ctrl ? Flag::NoUpdate : Flag::Clear;
    if (ctrl && selected && dragEnabled() && (index.flags() & Qt::ItemIsDragEnabled))
        return Flag::NoUpdate;  // deselected on release, unless a drag starts
    if (shift)
        return Flag::SelectCurrent | Flag::Rows;
    if (ctrl)
        return ctrlDragCommand_;
    return Flag::ClearAndSelect | Flag::Rows;
}

QItemSelectionModel::SelectionFlags FileTableView::ReleaseCommand(const RowSelectionModel& rows,
                                                                  const QModelIndex& index,
                                                                  const QMouseEvent& event) const {
    using Flag = QItemSelectionModel::SelectionFlag;
    const bool rightButton = event.button() == Qt::RightButton;
    const bool shift = event.modifiers() & Qt::ShiftModifier;
    const bool ctrl = event.modifiers() & Qt::ControlModifier;
    const bool onPressedRow = index.isValid() && index == pressedIndex_;
    if (((onPressedRow && rows.IsRowSelected(index.row())) || !index.isValid()) &&
        state() != DragSelectingState && !shift && !ctrl && (!rightButton || !index.isValid()))
        return Flag::ClearAndSelect | Flag::Rows;
    if (onPressedRow && ctrl && !rightButton)
        return Flag::Toggle | Flag::Rows;
    return Flag::NoUpdate;
}

QModelIndexList FileTableView::selectedIndexes() const {
    if (!FlaggedSelection() || !model())
        return QTreeView::selectedIndexes();
    // One cell per row: what is dragged is rows.
    QModelIndexList indexes;
    for (int row : FlaggedSelection()->Rows())
        indexes.append(model()->index(row, kNameColumn));
    return indexes;
}

void FileTableView::drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const {
    // Painted from the flags: Qt's ranges hold only the first runs of a large selection.
    QStyleOptionViewItem rowOption = option;
    if (const RowSelectionModel* rows = FlaggedSelection();
        rows && rows->IsRowSelected(index.row()))
        rowOption.state |= QStyle::State_Selected;
    QTreeView::drawRow(painter, rowOption, index);
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
