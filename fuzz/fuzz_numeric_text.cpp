// The numeric text test against a regular expression of the forms it accepts, and the number
// conversions against exact wide arithmetic: right when in range, absent (never wrapped) when not.
#include <QRegularExpression>
#include <limits>

#include "FuzzSupport.h"
#include "rename/NumericText.h"

using namespace miravel;

namespace {

using Wide = __int128;

const QRegularExpression& Accepted() {
    static const QRegularExpression pattern(
        QStringLiteral("\\A[ \\t\\x{3000}]*([+\\-\\x{FF0B}\\x{FF0D}]?)([0-9\\x{FF10}-\\x{FF19}]*)"
                       "(?:[.\\x{FF0E}]([0-9\\x{FF10}-\\x{FF19}]*))?[ \\t\\x{3000}]*\\z"));
    return pattern;
}

int DigitValue(QChar c) {
    return c.unicode() >= 0xFF10 ? c.unicode() - 0xFF10 : c.unicode() - u'0';
}

// The number the text stands for, taken apart without any rounding.
struct Exact {
    bool numeric = false;
    bool negative = false;
    bool huge = false;           // more significant integer digits than a Wide can hold
    Wide magnitude = 0;          // the integer part
    int fractionVersusHalf = 0;  // the fraction compared with one half: -1, 0 or 1
    bool fractionNonZero = false;
};

Exact Reference(const QString& text) {
    Exact exact;
    const QRegularExpressionMatch match = Accepted().match(text);
    if (!match.hasMatch())
        return exact;
    const QString sign = match.captured(1);
    const QString integer = match.captured(2);
    const QString fraction = match.captured(3);
    if (integer.isEmpty() && fraction.isEmpty())
        return exact;
    exact.numeric = true;
    exact.negative = sign == u"-" || sign == u"\uFF0D";
    int significant = 0;
    for (const QChar c : integer) {
        if (significant > 0 || DigitValue(c) != 0)
            ++significant;
        if (significant > 36) {
            exact.huge = true;
            break;
        }
        exact.magnitude = exact.magnitude * 10 + DigitValue(c);
    }
    QString digits;
    for (const QChar c : fraction)
        digits += QChar(char16_t(u'0' + DigitValue(c)));
    while (digits.endsWith(u'0'))
        digits.chop(1);
    exact.fractionNonZero = !digits.isEmpty();
    exact.fractionVersusHalf = digits.isEmpty() ? -1 : digits.compare(u"5");
    exact.fractionVersusHalf = exact.fractionVersusHalf < 0 ? -1 : exact.fractionVersusHalf > 0;
    return exact;
}

template <typename Int>
std::optional<Int> Expected(const Exact& exact, bool roundDown) {
    if (!exact.numeric || exact.huge)
        return std::nullopt;
    Wide magnitude = exact.magnitude;
    if (roundDown) {
        if (exact.negative && exact.fractionNonZero)
            ++magnitude;
    } else if (exact.fractionVersusHalf > 0 ||
               (exact.fractionVersusHalf == 0 && magnitude % 2 == 1)) {
        ++magnitude;
    }
    const Wide value = exact.negative ? -magnitude : magnitude;
    if (value < Wide(std::numeric_limits<Int>::min()) ||
        value > Wide(std::numeric_limits<Int>::max()))
        return std::nullopt;
    return Int(value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const Exact exact = Reference(text);

    FUZZ_CHECK(IsNumericText(text) == exact.numeric);
    FUZZ_CHECK(IsNumericText(QStringLiteral(u"\u3000") + text + u' ') == exact.numeric);

    FUZZ_CHECK(RoundToInt16(text) == Expected<qint16>(exact, false));
    FUZZ_CHECK(RoundToInt32(text) == Expected<qint32>(exact, false));
    FUZZ_CHECK(FloorToInt64(text) == Expected<qint64>(exact, true));

    const std::optional<qint16> clamped = RoundToInt16Clamped(text);
    FUZZ_CHECK(clamped.has_value() == exact.numeric);
    if (exact.numeric) {
        const std::optional<qint16> exactly = Expected<qint16>(exact, false);
        const qint16 end = exact.negative ? std::numeric_limits<qint16>::min()
                                          : std::numeric_limits<qint16>::max();
        FUZZ_CHECK(*clamped == exactly.value_or(end));
    }
    return 0;
}
