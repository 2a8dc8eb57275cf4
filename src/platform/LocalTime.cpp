#include "platform/LocalTime.h"

#include <ctime>

namespace miravel {

namespace {

void PutDigits(char16_t* out, int value, int width) {
    for (int i = width - 1; i >= 0; --i) {
        out[i] = char16_t(u'0' + value % 10);
        value /= 10;
    }
}

}  // namespace

QString FormatLocalDateTime(qint64 secondsSinceEpoch) {
    // localtime_r reads the zone once per process, unlike a QDateTime per file, which looks at
    // the zone file again each time when TZ is unset.
    std::tm parts{};
    const std::time_t when = static_cast<std::time_t>(secondsSinceEpoch);
    const bool converted = ::localtime_r(&when, &parts) != nullptr;
    const long long year = converted ? 1900LL + parts.tm_year : (secondsSinceEpoch < 0 ? 0 : 10000);
    // The text keeps its fixed width (text order is time order), so times outside the years
    // 1 to 9999 are held at the first or last second of that range.
    if (year < 1)
        return QStringLiteral("0001/01/01 00:00:00");
    if (year > 9999)
        return QStringLiteral("9999/12/31 23:59:59");

    char16_t text[19] = {u'0', u'0', u'0', u'0', u'/', u'0', u'0', u'/', u'0', u'0',
                         u' ', u'0', u'0', u':', u'0', u'0', u':', u'0', u'0'};
    PutDigits(text, int(year), 4);
    PutDigits(text + 5, parts.tm_mon + 1, 2);
    PutDigits(text + 8, parts.tm_mday, 2);
    PutDigits(text + 11, parts.tm_hour, 2);
    PutDigits(text + 14, parts.tm_min, 2);
    // A leap second (tm_sec 60) would break the two-digit field's meaning; show it as 59.
    PutDigits(text + 17, parts.tm_sec > 59 ? 59 : parts.tm_sec, 2);
    return QString(reinterpret_cast<const QChar*>(text), 19);
}

}  // namespace miravel
