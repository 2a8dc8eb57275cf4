#include "files/RowOrder.h"

#include <QHash>
#include <algorithm>
#include <limits>
#include <numeric>

#include "files/Formats.h"
#include "files/NaturalOrder.h"

namespace miravel {

namespace {

struct Keyed {
    quint64 key;
    quint32 index;
};

// Equal keys keep their rows' order, as a stable sort would.
std::vector<quint32> OrderByKeys(std::vector<Keyed>& items, bool descending) {
    std::sort(items.begin(), items.end(), [descending](const Keyed& a, const Keyed& b) {
        if (a.key != b.key)
            return descending ? a.key > b.key : a.key < b.key;
        return a.index < b.index;
    });
    std::vector<quint32> order;
    order.reserve(items.size());
    for (const Keyed& item : items)
        order.push_back(item.index);
    return order;
}

std::vector<quint32> OrderByTexts(const std::vector<FileRow>& rows, int column, bool descending) {
    std::vector<QString> texts;
    texts.reserve(rows.size());
    for (const FileRow& row : rows)
        texts.push_back(row.ColumnText(column));
    std::vector<quint32> order(rows.size());
    std::iota(order.begin(), order.end(), quint32(0));
    std::stable_sort(order.begin(), order.end(), [&](quint32 a, quint32 b) {
        const int result = QStringView(texts[a]).compare(texts[b]);
        return descending ? result > 0 : result < 0;
    });
    return order;
}

qint64 Kilobytes(qint64 bytes) {
    return bytes / 1024 + (bytes % 1024 != 0 ? 1 : 0);
}

// Padded to one width, with no value wider than the padding, the texts order as the values.
template <typename ValueOf, typename DigitsOf>
bool OneWidth(const std::vector<FileRow>& rows, ValueOf value, DigitsOf digits) {
    const int width = digits(rows.front());
    for (const FileRow& row : rows) {
        const qint64 v = value(row);
        if (digits(row) != width || v < 0 || DigitCount(v) > width)
            return false;
    }
    return true;
}

std::vector<Keyed> KeysOf(const std::vector<FileRow>& rows, quint64 (*key)(const FileRow&)) {
    std::vector<Keyed> items;
    items.reserve(rows.size());
    for (size_t i = 0; i < rows.size(); ++i)
        items.push_back({key(rows[i]), quint32(i)});
    return items;
}

// The rank of each row's type among the table's few distinct types.
std::vector<Keyed> TypeRanks(const std::vector<FileRow>& rows) {
    QHash<QString, quint64> rankOf;
    for (const FileRow& row : rows)
        rankOf.insert(row.type, 0);
    QStringList distinct = rankOf.keys();
    std::sort(distinct.begin(), distinct.end(),
              [](const QString& a, const QString& b) { return QStringView(a).compare(b) < 0; });
    for (qsizetype rank = 0; rank < distinct.size(); ++rank)
        rankOf[distinct[rank]] = quint64(rank);
    std::vector<Keyed> items;
    items.reserve(rows.size());
    for (size_t i = 0; i < rows.size(); ++i)
        items.push_back({rankOf.value(rows[i].type), quint32(i)});
    return items;
}

}  // namespace

std::vector<quint32> SortedRowOrder(const std::vector<FileRow>& rows, int column,
                                    Qt::SortOrder order) {
    const bool descending = order == Qt::DescendingOrder;
    if (rows.empty())
        return {};
    std::vector<Keyed> items;
    switch (column) {
        case kNameColumn: {
            NaturalNameOrder names;
            names.Reserve(rows.size());
            for (const FileRow& row : rows)
                names.Add(row.name);
            return names.SortedIndexes(descending);
        }
        case kSizeColumn:
            if (!OneWidth(
                    rows, [](const FileRow& row) { return Kilobytes(row.size); },
                    [](const FileRow& row) { return int(row.sizeDigits); }))
                return OrderByTexts(rows, column, descending);
            items = KeysOf(rows, [](const FileRow& row) { return quint64(Kilobytes(row.size)); });
            break;
        case kTypeColumn:
            items = TypeRanks(rows);
            break;
        case kMadeColumn:
            items = KeysOf(rows, [](const FileRow& row) { return row.created.Packed(); });
            break;
        case kRenewColumn:
            items = KeysOf(rows, [](const FileRow& row) { return row.modified.Packed(); });
            break;
        case kNoColumn:
            if (!OneWidth(
                    rows, [](const FileRow& row) { return qint64(row.number); },
                    [](const FileRow& row) { return int(row.numberDigits); }))
                return OrderByTexts(rows, column, descending);
            items = KeysOf(rows, [](const FileRow& row) { return quint64(row.number); });
            break;
        default:
            return OrderByTexts(rows, column, descending);
    }
    return OrderByKeys(items, descending);
}

std::vector<quint32> RowsInRankOrder(const std::vector<quint32>& ranks, bool descending) {
    if (ranks.empty())
        return {};
    const quint32 top = *std::max_element(ranks.begin(), ranks.end());
    constexpr quint32 kNoRow = std::numeric_limits<quint32>::max();
    std::vector<quint32> rowOfRank(size_t(top) + 1, kNoRow);
    for (size_t row = 0; row < ranks.size(); ++row) {
        if (rowOfRank[ranks[row]] != kNoRow)
            return {};
        rowOfRank[ranks[row]] = quint32(row);
    }
    std::vector<quint32> order;
    order.reserve(ranks.size());
    for (quint32 row : rowOfRank)
        if (row != kNoRow)
            order.push_back(row);
    if (descending)
        std::reverse(order.begin(), order.end());
    return order;
}

}  // namespace miravel
