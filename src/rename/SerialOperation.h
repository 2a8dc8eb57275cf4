#pragma once

#include <QString>
#include <QStringView>
#include <optional>

#include "rename/BatchRename.h"
#include "rename/NameInsertion.h"

namespace miravel {

// The serial panel's fields as typed.
struct SerialFields {
    QString prefix;      // before the number
    QString start;       // start number
    QString suffix;      // after the number
    QString digitCount;  // text of the digit-count list
    Placement placement = Placement::Head;
    QString position;  // the position field, checked whatever the placement
    bool operator==(const SerialFields&) const = default;
};

// The first failing input check of a serial run, as its error text.
std::optional<QString> SerialCheck(const SerialFields& fields);

// The after-example for the three samples; nothing when the label keeps its previous text
// (start number not numeric, or a position that is not a number of 0 or more under "指定").
std::optional<QString> SerialPreviewText(const SerialFields& fields);

// The new name of one row for a number already counted.
QString SerialName(QStringView name, const SerialFields& fields, qint64 number);

BatchOperation MakeSerialOperation(const SerialFields& fields);

}  // namespace miravel
