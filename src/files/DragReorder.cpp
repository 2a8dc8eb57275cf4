#include "files/DragReorder.h"

#include <QHash>

#include "files/Formats.h"

namespace miravel {

namespace {

const QString kLineEnd = QStringLiteral("\r\n");

}  // namespace

QString DragPayload(const std::vector<FileRow>& rows, const std::vector<int>& draggedRows) {
    QString payload;
    for (int row : draggedRows) {
        payload += rows[static_cast<size_t>(row)].Key();
        payload += kLineEnd;
    }
    return payload;
}

std::optional<QStringList> DraggedKeys(const QString& payload) {
    if (payload.isEmpty())
        return QStringList();
    QStringList pieces = payload.split(kLineEnd);
    if (pieces.size() == 1)
        return std::nullopt;
    pieces.removeLast();
    return pieces;
}

std::optional<std::vector<FileRow>> MoveDraggedRows(const std::vector<FileRow>& rows,
                                                    const QString& targetKey,
                                                    const QStringList& draggedKeys) {
    QHash<QString, int> rowOfKey;
    rowOfKey.reserve(static_cast<qsizetype>(rows.size()));
    for (size_t i = 0; i < rows.size(); ++i)
        rowOfKey.insert(rows[i].Key(), static_cast<int>(i));
    const auto target = rowOfKey.constFind(targetKey);
    if (target == rowOfKey.cend())
        return std::nullopt;

    // Each dragged row once, even if a payload names it twice, so no row is ever doubled.
    std::vector<char> dragged(rows.size(), 0);
    std::vector<int> draggedInOrder;
    for (const QString& key : draggedKeys) {
        const auto found = rowOfKey.constFind(key);
        if (found == rowOfKey.cend() || found.value() == target.value() || dragged[size_t(*found)])
            continue;
        dragged[size_t(*found)] = 1;
        draggedInOrder.push_back(*found);
    }

    std::vector<FileRow> moved;
    moved.reserve(rows.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        if (static_cast<int>(i) == target.value()) {
            moved.push_back(rows[i]);
            for (int row : draggedInOrder)
                moved.push_back(rows[size_t(row)]);
        } else if (!dragged[i]) {
            moved.push_back(rows[i]);
        }
    }

    const auto digits = static_cast<qint8>(DigitCount(static_cast<qint64>(moved.size())));
    qint32 number = 0;
    for (FileRow& row : moved) {
        row.number = ++number;
        row.numberDigits = digits;
    }
    return moved;
}

}  // namespace miravel
