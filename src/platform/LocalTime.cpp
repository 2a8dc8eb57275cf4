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

// The fields as the text shows them: the text keeps its fixed width (text order is time
// order), so times outside the years 1 to 9999 are held at the first or last second of that
// range, and a leap second (60) would break the two-digit field's meaning, so it shows as 59.
LocalDateTime Shown(const Fields& fields) {
    if (fields.year < 1)
        return LocalDateTime::FromFields(1, 1, 1, 0, 0, 0);
    if (fields.year > 9999)
        return LocalDateTime::FromFields(9999, 12, 31, 23, 59, 59);
    return LocalDateTime::FromFields(int(fields.year), fields.month, fields.day, fields.hour,
                                     fields.minute, fields.second > 59 ? 59 : fields.second);
}

// Bits of each field in the packed number, from the year down.
constexpr int kSecondBits = 6;
constexpr int kMinuteBits = 6;
constexpr int kHourBits = 5;
constexpr int kDayBits = 5;
constexpr int kMonthBits = 4;
constexpr int kMinuteShift = kSecondBits;
constexpr int kHourShift = kMinuteShift + kMinuteBits;
constexpr int kDayShift = kHourShift + kHourBits;
constexpr int kMonthShift = kDayShift + kDayBits;
constexpr int kYearShift = kMonthShift + kMonthBits;

int Field(quint64 packed, int shift, int bits) {
    return int((packed >> shift) & ((quint64(1) << bits) - 1));
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

LocalDateTime LocalDateTime::FromFields(int year, int month, int day, int hour, int minute,
                                        int second) {
    LocalDateTime time;
    time.packed_ = quint64(year) << kYearShift | quint64(month) << kMonthShift |
                   quint64(day) << kDayShift | quint64(hour) << kHourShift |
                   quint64(minute) << kMinuteShift | quint64(second);
    return time;
}

std::optional<LocalDateTime> LocalDateTime::FromText(QStringView text) {
    static constexpr char16_t kPattern[] = u"0000/00/00 00:00:00";
    if (text.size() != kTextLength)
        return std::nullopt;
    int digits[14];
    int count = 0;
    for (int i = 0; i < kTextLength; ++i) {
        const char16_t c = text[i].unicode();
        if (kPattern[i] != u'0') {
            if (c != kPattern[i])
                return std::nullopt;
        } else if (c < u'0' || c > u'9') {
            return std::nullopt;
        } else {
            digits[count++] = c - u'0';
        }
    }
    auto number = [&](int first, int length) {
        int value = 0;
        for (int k = first; k < first + length; ++k)
            value = value * 10 + digits[k];
        return value;
    };
    // Two digits never exceed 99, but the packed fields are narrower than that.
    const int month = number(4, 2), day = number(6, 2), hour = number(8, 2);
    const int minute = number(10, 2), second = number(12, 2);
    if (month > 15 || day > 31 || hour > 31 || minute > 63 || second > 63)
        return std::nullopt;
    return FromFields(number(0, 4), month, day, hour, minute, second);
}

LocalDateTime::Text LocalDateTime::TextArray() const {
    Text text = {u'0', u'0', u'0', u'0', u'/', u'0', u'0', u'/', u'0', u'0',
                 u' ', u'0', u'0', u':', u'0', u'0', u':', u'0', u'0'};
    PutDigits(text.data(), Field(packed_, kYearShift, 14), 4);
    PutDigits(text.data() + 5, Field(packed_, kMonthShift, kMonthBits), 2);
    PutDigits(text.data() + 8, Field(packed_, kDayShift, kDayBits), 2);
    PutDigits(text.data() + 11, Field(packed_, kHourShift, kHourBits), 2);
    PutDigits(text.data() + 14, Field(packed_, kMinuteShift, kMinuteBits), 2);
    PutDigits(text.data() + 17, Field(packed_, 0, kSecondBits), 2);
    return text;
}

QString LocalDateTime::ToText() const {
    const Text text = TextArray();
    return QString(reinterpret_cast<const QChar*>(text.data()), text.size());
}

LocalDateTime LocalDateTimeOf(qint64 secondsSinceEpoch) {
    // localtime_r reads the zone once per process, unlike a QDateTime per file, which looks at
    // the zone file again each time when TZ is unset.
    return Shown(SystemFields(secondsSinceEpoch));
}

QString FormatLocalDateTime(qint64 secondsSinceEpoch) {
    return LocalDateTimeOf(secondsSinceEpoch).ToText();
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

LocalDateTime LocalTimeConverter::Convert(qint64 secondsSinceEpoch) {
    if (secondsSinceEpoch >= kShortcutFirst && secondsSinceEpoch <= kShortcutLast) {
        const HourEntry& entry = EntryFor(FloorDiv(secondsSinceEpoch, kSecondsPerHour));
        if (entry.state == HourEntry::State::Even)
            return Shown(CalendarFields(secondsSinceEpoch + entry.offset));
    }
    return LocalDateTimeOf(secondsSinceEpoch);
}

}  // namespace miravel
