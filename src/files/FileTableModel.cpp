#include "files/FileTableModel.h"

#include <algorithm>
#include <numeric>

#include "files/NaturalOrder.h"

namespace miravel {

const QString& FileRow::ColumnText(int column) const {
    switch (column) {
        case kSizeColumn:
            return sizeText;
        case kTypeColumn:
            return type;
        case kMadeColumn:
            return created;
        case kRenewColumn:
            return modified;
        case kNoColumn:
            return numberText;
        default:
            return name;
    }
}

FileTableModel::FileTableModel(QObject* parent) : QAbstractTableModel(parent) {
    for (QString& image : headerImages_)
        image = QStringLiteral("noicon");
}

QString FileTableModel::ColumnCaption(int column) {
    static const char16_t* const kCaptions[kFileColumnCount] = {u"名前",   u"サイズ", u"種類",
                                                                u"作成日", u"更新日", u"No"};
    return QString::fromUtf16(kCaptions[column]);
}

QString FileTableModel::ColumnKey(int column) {
    static const char* const kKeys[kFileColumnCount] = {"name", "size",  "type",
                                                        "make", "renew", "NO"};
    return QString::fromLatin1(kKeys[column]);
}

int FileTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int FileTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kFileColumnCount;
}

QVariant FileTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
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

QVariant FileTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= kFileColumnCount)
        return {};
    if (role == Qt::DisplayRole)
        return ColumnCaption(section);
    if (role == Qt::TextAlignmentRole && section == kSizeColumn)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

Qt::ItemFlags FileTableModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

void FileTableModel::sort(int column, Qt::SortOrder order) {
    if (column < 0 || column >= kFileColumnCount)
        return;
    sortColumn_ = column;
    sortOrder_ = order;
    const size_t count = rows_.size();
    if (count < 2)
        return;

    Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::vector<int> permutation(count);
    std::iota(permutation.begin(), permutation.end(), 0);
    const bool descending = order == Qt::DescendingOrder;
    if (column == kNameColumn) {
        std::vector<QString> keys(count);
        for (size_t i = 0; i < count; ++i)
            keys[i] = NaturalSortKey(rows_[i].name);
        std::stable_sort(permutation.begin(), permutation.end(), [&](int a, int b) {
            int result = NaturalCompare(keys[size_t(a)], keys[size_t(b)]);
            if (result == 0)
                result = QStringView(rows_[size_t(a)].name).compare(rows_[size_t(b)].name);
            return descending ? result > 0 : result < 0;
        });
    } else {
        std::stable_sort(permutation.begin(), permutation.end(), [&](int a, int b) {
            const int result = QStringView(rows_[size_t(a)].ColumnText(column))
                                   .compare(rows_[size_t(b)].ColumnText(column));
            return descending ? result > 0 : result < 0;
        });
    }

    std::vector<FileRow> sorted;
    sorted.reserve(count);
    std::vector<int> newPosition(count);
    for (size_t i = 0; i < count; ++i) {
        sorted.push_back(std::move(rows_[size_t(permutation[i])]));
        newPosition[size_t(permutation[i])] = static_cast<int>(i);
    }
    rows_ = std::move(sorted);

    const QModelIndexList oldIndexes = persistentIndexList();
    QModelIndexList newIndexes;
    newIndexes.reserve(oldIndexes.size());
    for (const QModelIndex& old : oldIndexes)
        newIndexes.append(index(newPosition[size_t(old.row())], old.column()));
    changePersistentIndexList(oldIndexes, newIndexes);
    Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void FileTableModel::SetRows(std::vector<FileRow> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
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
