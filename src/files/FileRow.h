#pragma once

#include <QString>

namespace miravel {

// Columns in creation order; a column's sort key is its index here. "No" is shown leftmost
// but keeps its index.
enum FileColumn : int {
    kNameColumn = 0,
    kSizeColumn = 1,
    kTypeColumn = 2,
    kMadeColumn = 3,
    kRenewColumn = 4,
    kNoColumn = 5,
    kFileColumnCount = 6,
};

// One row of the file table.
struct FileRow {
    QString name;  // file name with extension, as listed
    qint64 size = 0;
    QString sizeText;
    QString type;
    QString created;   // "yyyy/mm/dd hh:nn:ss"
    QString modified;  // "yyyy/mm/dd hh:nn:ss"
    QString numberText;

    // Unique within the table; "_" keeps a name of digits from reading as a number.
    QString Key() const { return QStringLiteral("_") + name; }
    const QString& ColumnText(int column) const;
};

inline QString RowKeyForName(const QString& name) {
    return QStringLiteral("_") + name;
}

}  // namespace miravel
