#include "files/NaturalOrder.h"

#include <algorithm>
#include <iterator>

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

// Two keys, each either folded already or plain ASCII to be lowered while comparing.
int CompareEitherKeys(QStringView a, bool aFoldAscii, QStringView b, bool bFoldAscii) {
    if (aFoldAscii)
        return bFoldAscii ? CompareKeys<true, true>(a, b) : CompareKeys<true, false>(a, b);
    return bFoldAscii ? CompareKeys<false, true>(a, b) : CompareKeys<false, false>(a, b);
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

int CompareNamesNaturally(QStringView left, QStringView right) {
    const bool leftAscii = IsAscii(left);
    const bool rightAscii = IsAscii(right);
    const QString leftFolded = leftAscii ? QString() : left.toString().toCaseFolded();
    const QString rightFolded = rightAscii ? QString() : right.toString().toCaseFolded();
    const int result = CompareEitherKeys(leftAscii ? left : QStringView(leftFolded), leftAscii,
                                         rightAscii ? right : QStringView(rightFolded), rightAscii);
    return result != 0 ? result : left.compare(right);
}

void NaturalNameOrder::Reserve(size_t count) {
    entries_.reserve(count);
}

namespace {

// The beginning of a key as bytes whose order is the keys' order: a character as its code
// unit in UTF-8's form (one byte for ASCII, and the byte order is the code units' order); a
// digit run as 0x30 (where any digit would stand against a character), the count of its
// digits after the leading zeros, those digits, and the count of the zeros. The end of the
// key is 0x00, below everything. False when a run is too long to count in a byte.
template <bool Fold>
bool PackHead(QStringView key, quint64 (&head)[NaturalNameOrder::kHeadWords]) {
    unsigned char bytes[NaturalNameOrder::kHeadWords * 8] = {};
    size_t size = 0;
    auto put = [&](unsigned value) {
        if (size < sizeof(bytes))
            bytes[size++] = static_cast<unsigned char>(value);
    };
    const qsizetype length = key.size();
    qsizetype i = 0;
    while (i < length && size < sizeof(bytes)) {
        const char16_t c = At<Fold>(key, i);
        if (!IsAsciiDigit(c)) {
            if (c < 0x80) {
                put(c);
            } else if (c < 0x800) {
                put(0xC0 | (c >> 6));
                put(0x80 | (c & 0x3F));
            } else {
                put(0xE0 | (c >> 12));
                put(0x80 | ((c >> 6) & 0x3F));
                put(0x80 | (c & 0x3F));
            }
            ++i;
            continue;
        }
        qsizetype start = i;
        while (start < length && key[start] == u'0')
            ++start;
        qsizetype end = start;
        while (end < length && IsAsciiDigit(key[end].unicode()))
            ++end;
        if (end - start > 200 || start - i > 200)
            return false;
        put(0x30);
        put(unsigned(end - start));
        for (qsizetype k = start; k < end; ++k)
            put(key[k].unicode());
        put(unsigned(start - i));
        i = end;
    }
    for (size_t word = 0; word < NaturalNameOrder::kHeadWords; ++word) {
        quint64 value = 0;
        for (size_t k = 0; k < 8; ++k)
            value = (value << 8) | bytes[word * 8 + k];
        head[word] = value;
    }
    return true;
}

int CompareHeads(const quint64* a, const quint64* b) {
    for (size_t word = 0; word < NaturalNameOrder::kHeadWords; ++word)
        if (a[word] != b[word])
            return a[word] < b[word] ? -1 : 1;
    return 0;
}

}  // namespace

void NaturalNameOrder::Add(const QString& name) {
    Entry entry;
    entry.name = name;
    if (IsAscii(name)) {
        entry.key = name;
        entry.foldAscii = true;
        entry.packed = PackHead<true>(entry.key, entry.head);
    } else {
        // Views into the stored keys stay valid: a QString's text does not move with it.
        foldedKeys_.push_back(name.toCaseFolded());
        entry.key = foldedKeys_.back();
        entry.packed = PackHead<false>(entry.key, entry.head);
    }
    entries_.push_back(entry);
}

int NaturalNameOrder::CompareInFull(const Entry& a, const Entry& b) const {
    const int result = CompareEitherKeys(a.key, a.foldAscii, b.key, b.foldAscii);
    return result != 0 ? result : a.name.compare(b.name);
}

int NaturalNameOrder::Compare(size_t left, size_t right) const {
    const Entry& a = entries_[left];
    const Entry& b = entries_[right];
    if (a.packed && b.packed) {
        if (const int heads = CompareHeads(a.head, b.head); heads != 0)
            return heads;
    }
    return CompareInFull(a, b);
}

std::vector<quint32> NaturalNameOrder::SortedIndexes(bool descending) const {
    // The packed heads travel with the indexes, so most comparisons touch no entry.
    struct Item {
        quint64 head[kHeadWords];
        quint32 index;
        bool packed;
    };
    std::vector<Item> items(entries_.size());
    for (size_t i = 0; i < entries_.size(); ++i) {
        std::copy(std::begin(entries_[i].head), std::end(entries_[i].head), items[i].head);
        items[i].index = quint32(i);
        items[i].packed = entries_[i].packed;
    }
    std::sort(items.begin(), items.end(), [this, descending](const Item& a, const Item& b) {
        int result = 0;
        if (a.packed && b.packed)
            result = CompareHeads(a.head, b.head);
        if (result == 0)
            result = CompareInFull(entries_[a.index], entries_[b.index]);
        if (result == 0)
            return a.index < b.index;
        return descending ? result > 0 : result < 0;
    });
    std::vector<quint32> indexes;
    indexes.reserve(items.size());
    for (const Item& item : items)
        indexes.push_back(item.index);
    return indexes;
}

}  // namespace miravel
