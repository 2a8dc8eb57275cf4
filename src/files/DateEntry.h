#pragma once

#include <QString>
#include <optional>

namespace miravel {

// A date box holds "yyyy/mm/dd" at rest and is edited as "yyyymmdd".

// The text a date box shows while it is edited: "1901/01/01" becomes "19010101". Anything that
// is not a date at rest is shown as it is.
QString DateEntryEditText(const QString& restText);

// The date typed into a box, as "yyyy/mm/dd", or nothing when it is not a date. Blanks around
// the entry are ignored; it must then be eight digits (yyyymmdd) or six (yymmdd, the century
// taken from currentYear), and a real day of the Gregorian calendar.
std::optional<QString> ParseDateEntry(const QString& typed, int currentYear);

}  // namespace miravel
