#pragma once

#include <QString>

namespace miravel {

// "yyyy/mm/dd hh:nn:ss" in local time, 19 characters, zero-padded, 24-hour clock.
// Cheap enough to call once per file of a fill (no time zone file read per call).
QString FormatLocalDateTime(qint64 secondsSinceEpoch);

}  // namespace miravel
