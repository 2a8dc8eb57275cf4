#include "rename/NumericText.h"

#include <limits>

namespace miravel {

namespace {

// A numeric text taken apart, digits normalised to ASCII.
struct DecimalText {
    bool negative = false;
    QString integerDigits;
    QString fractionDigits;
};

bool IsBlank(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\u3000';
}

QChar Normalised(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'\uFF10' && u <= u'\uFF19')
        return QChar(char16_t(u'0' + (u - u'\uFF10')));
    if (u == u'\uFF0B')
        return QLatin1Char('+');
    if (u == u'\uFF0D')
        return QLatin1Char('-');
    if (u == u'\uFF0E')
        return QLatin1Char('.');
    return c;
}

bool IsAsciiDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

std::optional<DecimalText> ParseDecimal(QStringView text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && IsBlank(text[begin]))
        ++begin;
    while (end > begin && IsBlank(text[end - 1]))
        --end;

    DecimalText parsed;
    qsizetype i = begin;
    if (i < end) {
        const QChar sign = Normalised(text[i]);
        if (sign == u'+' || sign == u'-') {
            parsed.negative = sign == u'-';
            ++i;
        }
    }
    while (i < end && IsAsciiDigit(Normalised(text[i])))
        parsed.integerDigits += Normalised(text[i++]);
    if (i < end && Normalised(text[i]) == u'.') {
        ++i;
        while (i < end && IsAsciiDigit(Normalised(text[i])))
            parsed.fractionDigits += Normalised(text[i++]);
    }
    if (i != end)
        return std::nullopt;
    if (parsed.integerDigits.isEmpty() && parsed.fractionDigits.isEmpty())
        return std::nullopt;
    return parsed;
}

// The integer digits as a magnitude; nothing when they do not fit 64 bits unsigned.
std::optional<quint64> Magnitude(const QString& digits) {
    quint64 value = 0;
    for (const QChar c : digits) {
        const quint64 digit = quint64(c.unicode() - u'0');
        if (value > (std::numeric_limits<quint64>::max() - digit) / 10)
            return std::nullopt;
        value = value * 10 + digit;
    }
    return value;
}

bool HasNonZero(QStringView digits) {
    for (const QChar c : digits)
        if (c != u'0')
            return true;
    return false;
}

// Magnitude and sign of the rounded value; wide enough to tell every 64-bit result.
struct Rounded {
    bool negative = false;
    quint64 magnitude = 0;
};

std::optional<Rounded> RoundHalfEven(const DecimalText& number) {
    std::optional<quint64> magnitude = Magnitude(number.integerDigits);
    if (!magnitude)
        return std::nullopt;
    const QString& fraction = number.fractionDigits;
    bool up = false;
    if (!fraction.isEmpty()) {
        const QChar first = fraction[0];
        if (first > u'5') {
            up = true;
        } else if (first == u'5') {
            const bool exactHalf = !HasNonZero(QStringView(fraction).mid(1));
            up = !exactHalf || (*magnitude % 2 == 1);
        }
    }
    if (up) {
        if (*magnitude == std::numeric_limits<quint64>::max())
            return std::nullopt;
        ++*magnitude;
    }
    return Rounded{number.negative && *magnitude != 0, *magnitude};
}

std::optional<Rounded> RoundDown(const DecimalText& number) {
    std::optional<quint64> magnitude = Magnitude(number.integerDigits);
    if (!magnitude)
        return std::nullopt;
    if (number.negative && HasNonZero(number.fractionDigits)) {
        if (*magnitude == std::numeric_limits<quint64>::max())
            return std::nullopt;
        ++*magnitude;
    }
    return Rounded{number.negative && *magnitude != 0, *magnitude};
}

template <typename Int>
std::optional<Int> Fit(const Rounded& value) {
    constexpr quint64 maxPositive = quint64(std::numeric_limits<Int>::max());
    constexpr quint64 maxNegative = maxPositive + 1;
    if (value.negative) {
        if (value.magnitude > maxNegative)
            return std::nullopt;
        // -(magnitude - 1) - 1 stays inside the type even for its lowest value.
        return Int(-Int(value.magnitude - 1) - 1);
    }
    if (value.magnitude > maxPositive)
        return std::nullopt;
    return Int(value.magnitude);
}

}  // namespace

bool IsNumericText(QStringView text) {
    return ParseDecimal(text).has_value();
}

std::optional<qint16> RoundToInt16(QStringView text) {
    const std::optional<DecimalText> number = ParseDecimal(text);
    if (!number)
        return std::nullopt;
    const std::optional<Rounded> rounded = RoundHalfEven(*number);
    return rounded ? Fit<qint16>(*rounded) : std::nullopt;
}

std::optional<qint32> RoundToInt32(QStringView text) {
    const std::optional<DecimalText> number = ParseDecimal(text);
    if (!number)
        return std::nullopt;
    const std::optional<Rounded> rounded = RoundHalfEven(*number);
    return rounded ? Fit<qint32>(*rounded) : std::nullopt;
}

std::optional<qint16> RoundToInt16Clamped(QStringView text) {
    const std::optional<DecimalText> number = ParseDecimal(text);
    if (!number)
        return std::nullopt;
    const std::optional<Rounded> rounded = RoundHalfEven(*number);
    if (rounded) {
        if (const std::optional<qint16> fitted = Fit<qint16>(*rounded))
            return fitted;
    }
    // Too many digits for any integer type, or beyond 16 bits: the sign tells which end.
    return number->negative ? std::numeric_limits<qint16>::min()
                            : std::numeric_limits<qint16>::max();
}

std::optional<qint64> FloorToInt64(QStringView text) {
    const std::optional<DecimalText> number = ParseDecimal(text);
    if (!number)
        return std::nullopt;
    const std::optional<Rounded> rounded = RoundDown(*number);
    return rounded ? Fit<qint64>(*rounded) : std::nullopt;
}

}  // namespace miravel
