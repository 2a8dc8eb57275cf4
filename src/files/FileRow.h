#pragma once

#include <QString>

#include "platform/LocalTime.h"

namespace miravel {

// Columns in creation order; a column's sort key is its index here. "No" is shown leftmost
// but keeps its index. The file columns come first; the preview column follows them, holds no
// file's own data and does not sort.
enum FileColumn : int {
    kNameColumn = 0,
    kSizeColumn = 1,
    kTypeColumn = 2,
    kMadeColumn = 3,
    kRenewColumn = 4,
    kNoColumn = 5,
    kFileColumnCount = 6,
    kPreviewColumn = 6,
    kTableColumnCount = 7,
};

// Unique within the table and free of line feeds, which end each key of a drag's payload:
// "_" keeps a name of digits from reading as a number, and a line feed in a name becomes "/n",
// which no file name can hold.
inline QString RowKeyForName(const QString& name) {
    QString key = QStringLiteral("_") + name;
    if (key.contains(u'\n'))
        key.replace(u'\n', QStringLiteral("/n"));
    return key;
}

// One row of the file table. A table of a hundred thousand files keeps what its texts are
// made of, not the texts: the size, number and time texts are written when they are shown.
struct FileRow {
    QString name;  // file name with extension, as listed
    QString type;  // shared by the rows of one extension
    qint64 size = 0;
    LocalDateTime created;
    LocalDateTime modified;
    qint32 number = 0;       // place in the numbering, from 1
    qint8 sizeDigits = 1;    // digits of the largest size of the fill, which pads every size
    qint8 numberDigits = 1;  // digits of the row count the rows were numbered in

    // "   12KB": kilobytes rounded up, grouped, padded in front to sizeDigits.
    QString SizeText() const;
    // The number right-aligned with spaces to numberDigits.
    QString NumberText() const;
    QString CreatedText() const { return created.ToText(); }
    QString ModifiedText() const { return modified.ToText(); }
    QString ColumnText(int column) const;

    QString Key() const { return RowKeyForName(name); }
};

}  // namespace miravel
