#pragma once

#include <QString>
#include <QStringView>
#include <optional>

namespace miravel {

// The mask of the digit-count list: "1" to "8" give that many "0"; anything else gives "0".
QString ZeroPadFormat(QStringView digitCountText);

// The number in decimal with at least as many digits as the mask has zeros, filled with "0"
// on the left and never cut (7 with "000" -> 007, 1234 with "00" -> 1234, -5 with "00" -> -05).
QString FormatSerialNumber(qint64 number, QStringView mask);

// The number of the selected row at selectedIndex (0 for the first): start + selectedIndex,
// counted wide so that it never wraps; nothing in the one case it could not be represented.
std::optional<qint64> SerialCounter(qint64 start, qint64 selectedIndex);

}  // namespace miravel
