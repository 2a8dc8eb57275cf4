#pragma once

#include <QString>
#include <QStringView>
#include <optional>

namespace miravel {

// The check of a number field when the focus leaves it (start number, positions): the error
// text when the field must keep the focus, nothing when the value may stay.
std::optional<QString> NumberFieldProblem(QStringView text);

// A position field's value: the nearest 16-bit integer (halves to even), nothing when the text
// is not numeric or the value is below 0. A value beyond 16 bits counts as the largest, which
// still means "after the whole base".
std::optional<qsizetype> InsertPosition(QStringView text);

}  // namespace miravel
