#include "files/NaturalOrder.h"

namespace miravel {

namespace {

bool IsAsciiDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

bool IsAscii(QStringView text) {
    for (QChar c : text)
        if (c.unicode() >= 0x80)
            return false;
    return true;
}

// A key's code unit as NaturalSortKey would have made it: ASCII lowered when the key is a
// plain ASCII name taken as it is.
template <bool Fold>
char16_t At(QStringView key, qsizetype i) {
    const char16_t c = key[i].unicode();
    if constexpr (Fold)
        return (c >= u'A' && c <= u'Z') ? char16_t(c + (u'a' - u'A')) : c;
    return c;
}

template <bool FoldLeft, bool FoldRight>
int CompareKeys(QStringView left, QStringView right) {
    qsizetype i = 0;
    qsizetype j = 0;
    const qsizetype leftSize = left.size();
    const qsizetype rightSize = right.size();
    while (i < leftSize && j < rightSize) {
        const char16_t a = At<FoldLeft>(left, i);
        const char16_t b = At<FoldRight>(right, j);
        if (IsAsciiDigit(a) && IsAsciiDigit(b)) {
            // Compare the digit runs as numbers: skip leading zeros, then longer is larger.
            // Folding leaves digits alone, so the raw code units serve here.
            qsizetype aStart = i;
            qsizetype bStart = j;
            while (aStart < leftSize && left[aStart] == u'0')
                ++aStart;
            while (bStart < rightSize && right[bStart] == u'0')
                ++bStart;
            qsizetype aEnd = aStart;
            qsizetype bEnd = bStart;
            while (aEnd < leftSize && IsAsciiDigit(left[aEnd].unicode()))
                ++aEnd;
            while (bEnd < rightSize && IsAsciiDigit(right[bEnd].unicode()))
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

}  // namespace

QString NaturalSortKey(const QString& name) {
    if (IsAscii(name))
        return name.toLower();
    return name.toCaseFolded();
}

int NaturalCompare(QStringView left, QStringView right) {
    return CompareKeys<false, false>(left, right);
}

void NaturalNameOrder::Reserve(size_t count) {
    entries_.reserve(count);
}

void NaturalNameOrder::Add(const QString& name) {
    if (IsAscii(name)) {
        entries_.push_back({name, name, true});
        return;
    }
    // Views into the stored keys stay valid: a QString's text does not move with it.
    foldedKeys_.push_back(name.toCaseFolded());
    entries_.push_back({name, foldedKeys_.back(), false});
}

int NaturalNameOrder::Compare(size_t left, size_t right) const {
    const Entry& a = entries_[left];
    const Entry& b = entries_[right];
    int result;
    if (a.foldAscii)
        result = b.foldAscii ? CompareKeys<true, true>(a.key, b.key)
                             : CompareKeys<true, false>(a.key, b.key);
    else
        result = b.foldAscii ? CompareKeys<false, true>(a.key, b.key)
                             : CompareKeys<false, false>(a.key, b.key);
    if (result != 0)
        return result;
    return a.name.compare(b.name);
}

}  // namespace miravel
