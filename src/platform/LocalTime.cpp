#include "platform/LocalTime.h"

#include <ctime>

namespace miravel {

namespace {

constexpr qint64 kSecondsPerHour = 3600;
constexpr qint64 kSecondsPerDay = 86400;

void PutDigits(char16_t* out, int value, int width) {
    for (int i = width - 1; i >= 0; --i) {
        out[i] = char16_t(u'0' + value % 10);
        value /= 10;
    }
}

struct Fields {
    long long year = 0;
    int month = 0;  // 1 to 12
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

LocalTimeConverter::Text TextOf(const Fields& fields) {
    // The text keeps its fixed width (text order is time order), so times outside the years
    // 1 to 9999 are held at the first or last second of that range.
    if (fields.year < 1)
        return TextOf({1, 1, 1, 0, 0, 0});
    if (fields.year > 9999)
        return TextOf({9999, 12, 31, 23, 59, 59});
    LocalTimeConverter::Text text = {u'0', u'0', u'0', u'0', u'/', u'0', u'0', u'/', u'0', u'0',
                                     u' ', u'0', u'0', u':', u'0', u'0', u':', u'0', u'0'};
    PutDigits(text.data(), int(fields.year), 4);
    PutDigits(text.data() + 5, fields.month, 2);
    PutDigits(text.data() + 8, fields.day, 2);
    PutDigits(text.data() + 11, fields.hour, 2);
    PutDigits(text.data() + 14, fields.minute, 2);
    // A leap second (60) would break the two-digit field's meaning; show it as 59.
    PutDigits(text.data() + 17, fields.second > 59 ? 59 : fields.second, 2);
    return text;
}

// The system's own conversion; the year is 0 or 10000 when it cannot convert.
Fields SystemFields(qint64 secondsSinceEpoch, long* offset = nullptr) {
    std::tm parts{};
    const std::time_t when = static_cast<std::time_t>(secondsSinceEpoch);
    if (::localtime_r(&when, &parts) == nullptr) {
        Fields out;
        out.year = secondsSinceEpoch < 0 ? 0 : 10000;
        return out;
    }
    if (offset != nullptr)
        *offset = parts.tm_gmtoff;
    return {1900LL + parts.tm_year, parts.tm_mon + 1, parts.tm_mday,
            parts.tm_hour,          parts.tm_min,     parts.tm_sec};
}

qint64 FloorDiv(qint64 value, qint64 divisor) {
    const qint64 quotient = value / divisor;
    return (value % divisor != 0 && value < 0) ? quotient - 1 : quotient;
}

// Calendar fields of a count of seconds read as a wall clock (proleptic Gregorian).
Fields CalendarFields(qint64 seconds) {
    const qint64 days = FloorDiv(seconds, kSecondsPerDay);
    const qint64 secondOfDay = seconds - days * kSecondsPerDay;
    const qint64 shifted = days + 719468;  // days since 0000-03-01
    const qint64 era = FloorDiv(shifted, 146097);
    const qint64 dayOfEra = shifted - era * 146097;
    const qint64 yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const qint64 dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const qint64 monthIndex = (5 * dayOfYear + 2) / 153;  // 0 is March
    Fields fields;
    fields.day = int(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
    fields.month = int(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
    fields.year = yearOfEra + era * 400 + (fields.month <= 2 ? 1 : 0);
    fields.hour = int(secondOfDay / kSecondsPerHour);
    fields.minute = int(secondOfDay / 60 % 60);
    fields.second = int(secondOfDay % 60);
    return fields;
}

bool SameFields(const Fields& a, const Fields& b) {
    return a.year == b.year && a.month == b.month && a.day == b.day && a.hour == b.hour &&
           a.minute == b.minute && a.second == b.second;
}

// Times the shortcut is trusted for: well inside the years 1 to 9999.
constexpr qint64 kShortcutFirst = -62135596800LL + 2 * kSecondsPerDay;  // 0001-01-03
constexpr qint64 kShortcutLast = 253402300799LL - 2 * kSecondsPerDay;   // 9999-12-29

}  // namespace

QString FormatLocalDateTime(qint64 secondsSinceEpoch) {
    // localtime_r reads the zone once per process, unlike a QDateTime per file, which looks at
    // the zone file again each time when TZ is unset.
    const LocalTimeConverter::Text text = TextOf(SystemFields(secondsSinceEpoch));
    return QString(reinterpret_cast<const QChar*>(text.data()), text.size());
}

LocalTimeConverter::LocalTimeConverter() {
    // Reads the zone now, as the first conversion of a fill would.
    SystemFields(0);
}

const LocalTimeConverter::HourEntry& LocalTimeConverter::EntryFor(qint64 hour) {
    HourEntry& entry = hours_[size_t(quint64(hour) % hours_.size())];
    if (entry.state != HourEntry::State::Empty && entry.hour == hour)
        return entry;
    entry.hour = hour;
    entry.state = HourEntry::State::Uneven;
    const qint64 first = hour * kSecondsPerHour;
    const qint64 last = first + kSecondsPerHour - 1;
    long firstOffset = 0;
    long lastOffset = 0;
    const Fields firstFields = SystemFields(first, &firstOffset);
    const Fields lastFields = SystemFields(last, &lastOffset);
    // Zone rules never change twice within one hour, so one offset at both ends holds for the
    // whole hour; the system's own answers at the ends vouch for the arithmetic.
    if (firstOffset == lastOffset && SameFields(firstFields, CalendarFields(first + firstOffset)) &&
        SameFields(lastFields, CalendarFields(last + lastOffset))) {
        entry.offset = qint32(firstOffset);
        entry.state = HourEntry::State::Even;
    }
    return entry;
}

LocalTimeConverter::Text LocalTimeConverter::Convert(qint64 secondsSinceEpoch) {
    if (secondsSinceEpoch >= kShortcutFirst && secondsSinceEpoch <= kShortcutLast) {
        const HourEntry& entry = EntryFor(FloorDiv(secondsSinceEpoch, kSecondsPerHour));
        if (entry.state == HourEntry::State::Even)
            return TextOf(CalendarFields(secondsSinceEpoch + entry.offset));
    }
    return TextOf(SystemFields(secondsSinceEpoch));
}

QString LocalTimeConverter::Format(qint64 secondsSinceEpoch) {
    const Text text = Convert(secondsSinceEpoch);
    return QString(reinterpret_cast<const QChar*>(text.data()), text.size());
}

}  // namespace miravel
