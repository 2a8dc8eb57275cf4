#include "rename/SerialNumber.h"

namespace miravel {

QString ZeroPadFormat(QStringView digitCountText) {
    if (digitCountText.size() == 1) {
        const char16_t digit = digitCountText[0].unicode();
        if (digit >= u'1' && digit <= u'8')
            return QString(qsizetype(digit - u'0'), u'0');
    }
    return QStringLiteral("0");
}

QString FormatSerialNumber(qint64 number, QStringView mask) {
    // The magnitude as unsigned, so that the lowest 64-bit value has one too.
    const quint64 magnitude = number < 0 ? quint64(0) - quint64(number) : quint64(number);
    const QString digits = QString::number(magnitude).rightJustified(mask.size(), u'0');
    return number < 0 ? QLatin1Char('-') + digits : digits;
}

std::optional<qint64> SerialCounter(qint64 start, qint64 selectedIndex) {
    qint64 number = 0;
    if (__builtin_add_overflow(start, selectedIndex, &number))
        return std::nullopt;
    return number;
}

}  // namespace miravel
