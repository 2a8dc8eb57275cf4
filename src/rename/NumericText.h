#pragma once

#include <QString>
#include <QStringView>
#include <optional>

namespace miravel {

// The one test behind every number field and the number search of the delete panel: blanks
// (space, tab, U+3000) around an optional sign and a decimal number, such as "12", " -3 ",
// "1.5", "5." or ".5". Full-width digits, signs and full stop count as their ASCII forms,
// since a Japanese input method types them. No exponents, grouping commas or currency.
bool IsNumericText(QStringView text);

// Nearest integer, an exact half going to the even neighbour (2.5 -> 2, 3.5 -> 4). Nothing when
// the text is not numeric or the value lies outside the type's range; never wrapped.
std::optional<qint16> RoundToInt16(QStringView text);
std::optional<qint32> RoundToInt32(QStringView text);
// As RoundToInt16, but a numeric value beyond the range comes back as the end it passed, so
// that "too big" and "too small" keep their meaning for positions and field checks.
std::optional<qint16> RoundToInt16Clamped(QStringView text);
// Rounded down (2.7 -> 2, -0.5 -> -1); nothing when not numeric or outside the 64-bit range.
std::optional<qint64> FloorToInt64(QStringView text);

}  // namespace miravel
