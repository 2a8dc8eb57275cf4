#include "files/NaturalOrder.h"

namespace miravel {

namespace {

bool IsAsciiDigit(QChar c) {
    return c.unicode() >= '0' && c.unicode() <= '9';
}

bool IsAscii(const QString& text) {
    for (QChar c : text)
        if (c.unicode() >= 0x80)
            return false;
    return true;
}

}  // namespace

QString NaturalSortKey(const QString& name) {
    if (IsAscii(name))
        return name.toLower();
    return name.toCaseFolded();
}

int NaturalCompare(QStringView left, QStringView right) {
    qsizetype i = 0;
    qsizetype j = 0;
    const qsizetype leftSize = left.size();
    const qsizetype rightSize = right.size();
    while (i < leftSize && j < rightSize) {
        const QChar a = left[i];
        const QChar b = right[j];
        if (IsAsciiDigit(a) && IsAsciiDigit(b)) {
            // Compare the digit runs as numbers: skip leading zeros, then longer is larger.
            qsizetype aStart = i;
            qsizetype bStart = j;
            while (aStart < leftSize && left[aStart] == QLatin1Char('0'))
                ++aStart;
            while (bStart < rightSize && right[bStart] == QLatin1Char('0'))
                ++bStart;
            qsizetype aEnd = aStart;
            qsizetype bEnd = bStart;
            while (aEnd < leftSize && IsAsciiDigit(left[aEnd]))
                ++aEnd;
            while (bEnd < rightSize && IsAsciiDigit(right[bEnd]))
                ++bEnd;
            const qsizetype aDigits = aEnd - aStart;
            const qsizetype bDigits = bEnd - bStart;
            if (aDigits != bDigits)
                return aDigits < bDigits ? -1 : 1;
            for (qsizetype k = 0; k < aDigits; ++k) {
                const QChar x = left[aStart + k];
                const QChar y = right[bStart + k];
                if (x != y)
                    return x < y ? -1 : 1;
            }
            // Equal values: fewer leading zeros first ("2" before "02").
            const qsizetype aZeros = aStart - i;
            const qsizetype bZeros = bStart - j;
            if (aZeros != bZeros)
                return aZeros < bZeros ? -1 : 1;
            i = aEnd;
            j = bEnd;
            continue;
        }
        if (a != b)
            return a < b ? -1 : 1;
        ++i;
        ++j;
    }
    if (i < leftSize)
        return 1;
    if (j < rightSize)
        return -1;
    return 0;
}

}  // namespace miravel
