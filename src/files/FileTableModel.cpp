#include "files/FileTableModel.h"

#include <QMimeData>
#include <algorithm>

#include "files/DragReorder.h"
#include "files/FileTexts.h"
#include "files/Formats.h"
#include "files/RowOrder.h"
#include "files/SelectedRows.h"

namespace miravel {

FileTableModel::FileTableModel(QObject* parent) : QAbstractTableModel(parent) {
    for (QString& image : headerImages_)
        image = QStringLiteral("noicon");
}

QString FileTableModel::ColumnCaption(int column) {
    if (column == kPreviewColumn)
        return files_texts::PreviewCaption.toString();
    return files_texts::ColumnCaptions[column].toString();
}

QString FileTableModel::ColumnKey(int column) {
    if (column < 0 || column >= kFileColumnCount)
        return {};
    static const char* const kKeys[kFileColumnCount] = {"name", "size",  "type",
                                                        "make", "renew", "NO"};
    return QString::fromLatin1(kKeys[column]);
}

int FileTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int FileTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kTableColumnCount;
}

QVariant FileTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    if (index.column() == kPreviewColumn)
        return PreviewData(index.row(), role);
    const FileRow& row = Row(index.row());
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            return row.ColumnText(index.column());
        case Qt::TextAlignmentRole:
            if (index.column() == kSizeColumn || index.column() == kNoColumn)
                return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
            return {};
        default:
            return {};
    }
}

QVariant FileTableModel::PreviewData(int row, int role) const {
    if (!preview_)
        return {};
    switch (role) {
        case Qt::DisplayRole:
            return preview_->Cell(row).newName;
        case Qt::ToolTipRole:
        case Qt::AccessibleDescriptionRole:
            return preview_->Cell(row).reason;
        case kPreviewKindRole:
            return int(preview_->Cell(row).kind);
        default:
            return {};
    }
}

QVariant FileTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= kTableColumnCount)
        return {};
    if (role == Qt::DisplayRole)
        return ColumnCaption(section);
    if (role == Qt::ToolTipRole && section == kPreviewColumn && preview_)
        return preview_->Problem();
    if (role == Qt::TextAlignmentRole && section == kSizeColumn)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

Qt::ItemFlags FileTableModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren |
                          Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled;
    if (index.column() == kNameColumn)
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool FileTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !index.isValid() || index.column() != kNameColumn ||
        index.row() >= rowCount())
        return false;
    return SetRowName(index.row(), value.toString());
}

bool FileTableModel::SetRowName(int row, const QString& name) {
    for (size_t i = 0; i < rows_.size(); ++i)
        if (static_cast<int>(i) != row && rows_[i].name == name)
            return false;
    FileRow& edited = rows_[static_cast<size_t>(row)];
    if (edited.name != name) {
        edited.name = name;
        nameRanks_.clear();
        const QModelIndex changed = index(row, kNameColumn);
        Q_EMIT dataChanged(changed, changed, {Qt::DisplayRole, Qt::EditRole});
    }
    return true;
}

QStringList FileTableModel::mimeTypes() const {
    return {QStringLiteral("text/plain")};
}

QMimeData* FileTableModel::mimeData(const QModelIndexList& indexes) const {
    if (indexes.isEmpty())
        return nullptr;
    QItemSelection selection;
    for (const QModelIndex& index : indexes)
        if (index.isValid() && index.model() == this)
            selection.append(QItemSelectionRange(index));
    auto* data = new QMimeData;
    data->setText(DragPayload(rows_, SelectedRowsInOrder(selection, rowCount())));
    return data;
}

bool FileTableModel::dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                                  const QModelIndex& parent) {
    Q_UNUSED(row);
    Q_UNUSED(column);
    if (!data || action == Qt::IgnoreAction || !parent.isValid() || parent.model() != this ||
        !data->hasFormat(QStringLiteral("text/plain")))
        return false;
    const std::optional<QStringList> keys = DraggedKeys(data->text());
    if (!keys)
        return false;
    std::optional<std::vector<FileRow>> moved =
        MoveDraggedRows(rows_, Row(parent.row()).Key(), *keys);
    if (!moved)
        return false;
    SetRows(std::move(*moved));
    ApplySort(NumberOrderSort());
    return true;
}

Qt::DropActions FileTableModel::supportedDropActions() const {
    return Qt::MoveAction | Qt::CopyAction;
}

void FileTableModel::SortByColumn(int column) {
    if (column < 0 || column >= kFileColumnCount)
        return;
    ApplySort(ChooseHeaderSort(column, lastSortColumn_, sortOrder_));
}

void FileTableModel::ApplySort(const SortChoice& choice) {
    const std::array<QString, kFileColumnCount> images = HeaderImagesFor(choice);
    for (int column = 0; column < kFileColumnCount; ++column)
        SetHeaderImage(column, images[size_t(column)]);
    lastSortColumn_ = choice.column;
    sort(choice.column, choice.order);
}

void FileTableModel::sort(int column, Qt::SortOrder order) {
    if (column < 0 || column >= kFileColumnCount)
        return;
    sortColumn_ = column;
    sortOrder_ = order;
    const size_t count = rows_.size();
    if (count < 2)
        return;

    const bool byName = column == kNameColumn;
    const bool descending = order == Qt::DescendingOrder;
    std::vector<quint32> sourceOf;
    if (byName && nameRanks_.size() == count) {
        sourceOf = RowsInRankOrder(nameRanks_, descending);
        if (sourceOf.size() != count)
            nameRanks_.clear();
    }
    if (sourceOf.size() != count)
        sourceOf = SortedRowOrder(rows_, column, order);
    std::vector<int> newPosition(count);
    bool moves = false;
    for (size_t i = 0; i < count; ++i) {
        newPosition[sourceOf[i]] = static_cast<int>(i);
        moves = moves || sourceOf[i] != i;
    }
    if (moves && nameRanks_.size() == count) {
        std::vector<quint32> rankSource = sourceOf;
        ApplyRowOrder(nameRanks_, rankSource);
    }
    if (byName && nameRanks_.size() != count) {
        nameRanks_.resize(count);
        for (size_t row = 0; row < count; ++row)
            nameRanks_[row] = quint32(descending ? count - 1 - row : row);
    }
    if (!moves)
        return;  // already in that order: nothing for the views to redo

    Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    ApplyRowOrder(rows_, sourceOf);
    Q_EMIT RowsPermuted(newPosition);
    const QModelIndexList oldIndexes = persistentIndexList();
    QModelIndexList newIndexes;
    newIndexes.reserve(oldIndexes.size());
    for (const QModelIndex& old : oldIndexes)
        newIndexes.append(index(newPosition[size_t(old.row())], old.column()));
    changePersistentIndexList(oldIndexes, newIndexes);
    Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void FileTableModel::SetListedRows(std::vector<FileRow> rows) {
    OrderListedRows(rows);
    SetRows(std::move(rows));
}

void FileTableModel::OrderListedRows(std::vector<FileRow>& rows) const {
    // The listing's order is the name order and the numbering order, so those two sorts
    // only ever keep or reverse it; names in a folder are unique, so reversing is stable.
    if (sortColumn_ == kNameColumn || sortColumn_ == kNoColumn) {
        if (sortOrder_ == Qt::DescendingOrder)
            std::reverse(rows.begin(), rows.end());
    } else if (rows.size() > 1) {
        std::vector<quint32> sourceOf = SortedRowOrder(rows, sortColumn_, sortOrder_);
        ApplyRowOrder(rows, sourceOf);
    }
}

void FileTableModel::SetRows(std::vector<FileRow> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    nameRanks_.clear();
    endResetModel();
}

void FileTableModel::RemoveRowsAt(std::vector<int> rows) {
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    rows.erase(std::remove_if(rows.begin(), rows.end(),
                              [this](int row) { return row < 0 || row >= rowCount(); }),
               rows.end());
    if (rows.empty())
        return;

    std::vector<std::pair<int, int>> runs;  // first and last row of each contiguous run
    for (int row : rows) {
        if (!runs.empty() && runs.back().second + 1 == row)
            runs.back().second = row;
        else
            runs.emplace_back(row, row);
    }
    // Each removal shifts the rows after it; a scattered selection of a large table is taken
    // out in one pass instead.
    constexpr size_t kMaxSeparateRemovals = 32;
    if (runs.size() > kMaxSeparateRemovals) {
        std::vector<FileRow> kept;
        kept.reserve(rows_.size() - rows.size());
        size_t next = 0;
        for (size_t i = 0; i < rows_.size(); ++i) {
            if (next < rows.size() && rows[next] == static_cast<int>(i))
                ++next;
            else
                kept.push_back(rows_[i]);
        }
        SetRows(std::move(kept));
        return;
    }
    for (auto run = runs.rbegin(); run != runs.rend(); ++run) {
        beginRemoveRows({}, run->first, run->second);
        rows_.erase(rows_.begin() + run->first, rows_.begin() + run->second + 1);
        // The others keep their order: their ranks stay true.
        if (nameRanks_.size() == rows_.size() + size_t(run->second - run->first + 1))
            nameRanks_.erase(nameRanks_.begin() + run->first, nameRanks_.begin() + run->second + 1);
        endRemoveRows();
    }
}

void FileTableModel::PreviewChanged() {
    if (!rows_.empty())
        Q_EMIT dataChanged(index(0, kPreviewColumn), index(rowCount() - 1, kPreviewColumn));
    Q_EMIT headerDataChanged(Qt::Horizontal, kPreviewColumn, kPreviewColumn);
}

void FileTableModel::AddRows(std::vector<FileRow> rows) {
    if (rows.empty())
        return;
    qint32 number = 0;
    for (const FileRow& row : rows_)
        number = std::max(number, row.number);
    const auto numberDigits = static_cast<qint8>(DigitCount(qint64(number) + qint64(rows.size())));
    const qint8 sizeDigits = rows_.empty() ? rows.front().sizeDigits : rows_.front().sizeDigits;
    for (FileRow& row : rows) {
        row.number = ++number;
        // Padded as the other rows where it fits, so that they still sort as their texts.
        row.numberDigits = std::max(row.numberDigits, numberDigits);
        row.sizeDigits = std::max(sizeDigits, static_cast<qint8>(DigitCount(row.size)));
    }
    const int first = rowCount();
    nameRanks_.clear();
    beginInsertRows({}, first, first + int(rows.size()) - 1);
    rows_.insert(rows_.end(), std::make_move_iterator(rows.begin()),
                 std::make_move_iterator(rows.end()));
    endInsertRows();
    Resort();
}

void FileTableModel::SetRowState(int row, qint64 size, LocalDateTime created,
                                 LocalDateTime modified) {
    FileRow& changed = rows_[static_cast<size_t>(row)];
    changed.size = size;
    changed.sizeDigits = std::max(changed.sizeDigits, static_cast<qint8>(DigitCount(size)));
    changed.created = created;
    changed.modified = modified;
    Q_EMIT dataChanged(index(row, 0), index(row, kFileColumnCount - 1), {Qt::DisplayRole});
}

int FileTableModel::FindRowByKey(const QString& key) const {
    for (size_t i = 0; i < rows_.size(); ++i)
        if (rows_[i].Key() == key)
            return static_cast<int>(i);
    return -1;
}

void FileTableModel::SetHeaderImage(int column, const QString& key) {
    if (column < 0 || column >= kFileColumnCount || headerImages_[column] == key)
        return;
    headerImages_[column] = key;
    Q_EMIT headerDataChanged(Qt::Horizontal, column, column);
}

}  // namespace miravel
