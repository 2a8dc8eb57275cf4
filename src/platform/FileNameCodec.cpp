#include "platform/FileNameCodec.h"

#include <cstring>

namespace miravel {

namespace {

constexpr char16_t kEscapeBase = 0xDC00;  // byte b >= 0x80 travels as U+DC00 + b

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// Index of the first byte >= 0x80, or size when every byte is ASCII. Eight bytes at a time,
// since most names are plain ASCII.
qsizetype FirstNonAscii(const unsigned char* bytes, qsizetype size) {
    qsizetype i = 0;
    for (; i + 8 <= size; i += 8) {
        quint64 word;
        std::memcpy(&word, bytes + i, 8);
        if (word & 0x8080808080808080ULL)
            break;
    }
    for (; i < size; ++i)
        if (bytes[i] >= 0x80)
            return i;
    return size;
}

// Length of the well-formed UTF-8 sequence starting at bytes[i] (shortest form, no encoded
// surrogates, at most U+10FFFF), or 0 when the byte there does not start one. Encoded
// surrogates must count as invalid: U+DC80..U+DCFF stand for raw bytes, and decoding the
// bytes ED B2 80 to U+DC80 would make them indistinguishable from the single byte 80.
int SequenceLength(const unsigned char* bytes, qsizetype i, qsizetype size) {
    const unsigned char lead = bytes[i];
    const qsizetype left = size - i;
    auto cont = [&](qsizetype k) { return k < left && IsContinuation(bytes[i + k]); };
    if (lead >= 0xC2 && lead <= 0xDF)
        return cont(1) ? 2 : 0;
    if (lead >= 0xE0 && lead <= 0xEF) {
        if (left < 2)
            return 0;
        const unsigned char second = bytes[i + 1];
        const bool secondOk = lead == 0xE0   ? (second >= 0xA0 && second <= 0xBF)
                              : lead == 0xED ? (second >= 0x80 && second <= 0x9F)
                                             : IsContinuation(second);
        return secondOk && cont(2) ? 3 : 0;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        if (left < 2)
            return 0;
        const unsigned char second = bytes[i + 1];
        const bool secondOk = lead == 0xF0   ? (second >= 0x90 && second <= 0xBF)
                              : lead == 0xF4 ? (second >= 0x80 && second <= 0x8F)
                                             : IsContinuation(second);
        return secondOk && cont(2) && cont(3) ? 4 : 0;
    }
    return 0;
}

}  // namespace

QString DecodeFileName(QByteArrayView bytes) {
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    const qsizetype size = bytes.size();
    const qsizetype firstNonAscii = FirstNonAscii(data, size);
    if (firstNonAscii == size)
        return QString::fromLatin1(bytes);

    // UTF-16 never needs more code units than UTF-8 has bytes.
    QString result(size, Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(result.data());
    qsizetype o = 0;
    for (qsizetype i = 0; i < firstNonAscii; ++i)
        out[o++] = data[i];
    qsizetype i = firstNonAscii;
    while (i < size) {
        const unsigned char lead = data[i];
        if (lead < 0x80) {
            out[o++] = lead;
            ++i;
            continue;
        }
        switch (SequenceLength(data, i, size)) {
            case 2:
                out[o++] = char16_t(((lead & 0x1F) << 6) | (data[i + 1] & 0x3F));
                i += 2;
                break;
            case 3:
                out[o++] = char16_t(((lead & 0x0F) << 12) | ((data[i + 1] & 0x3F) << 6) |
                                    (data[i + 2] & 0x3F));
                i += 3;
                break;
            case 4: {
                const char32_t cp = char32_t(((lead & 0x07) << 18) | ((data[i + 1] & 0x3F) << 12) |
                                             ((data[i + 2] & 0x3F) << 6) | (data[i + 3] & 0x3F));
                out[o++] = QChar::highSurrogate(cp);
                out[o++] = QChar::lowSurrogate(cp);
                i += 4;
                break;
            }
            default:
                out[o++] = char16_t(kEscapeBase + lead);
                ++i;
                break;
        }
    }
    result.truncate(o);
    return result;
}

QByteArray EncodeFileName(QStringView name) {
    const char16_t* units = name.utf16();
    const qsizetype size = name.size();
    qsizetype i = 0;
    while (i < size && units[i] < 0x80)
        ++i;
    if (i == size)
        return name.toLatin1();

    QByteArray result(size * 3, Qt::Uninitialized);
    auto* out = reinterpret_cast<unsigned char*>(result.data());
    qsizetype o = 0;
    for (qsizetype k = 0; k < i; ++k)
        out[o++] = static_cast<unsigned char>(units[k]);
    for (; i < size; ++i) {
        const char16_t unit = units[i];
        if (unit < 0x80) {
            out[o++] = static_cast<unsigned char>(unit);
        } else if (unit < 0x800) {
            out[o++] = static_cast<unsigned char>(0xC0 | (unit >> 6));
            out[o++] = static_cast<unsigned char>(0x80 | (unit & 0x3F));
        } else if (QChar::isHighSurrogate(unit) && i + 1 < size &&
                   QChar::isLowSurrogate(units[i + 1])) {
            const char32_t cp = QChar::surrogateToUcs4(unit, units[i + 1]);
            ++i;
            out[o++] = static_cast<unsigned char>(0xF0 | (cp >> 18));
            out[o++] = static_cast<unsigned char>(0x80 | ((cp >> 12) & 0x3F));
            out[o++] = static_cast<unsigned char>(0x80 | ((cp >> 6) & 0x3F));
            out[o++] = static_cast<unsigned char>(0x80 | (cp & 0x3F));
        } else if (unit >= kEscapeBase + 0x80 && unit <= kEscapeBase + 0xFF) {
            out[o++] = static_cast<unsigned char>(unit - kEscapeBase);
        } else {
            // Every other code unit, including a lone surrogate that no decoded name can hold,
            // gets its three-byte form, so nothing is dropped silently.
            out[o++] = static_cast<unsigned char>(0xE0 | (unit >> 12));
            out[o++] = static_cast<unsigned char>(0x80 | ((unit >> 6) & 0x3F));
            out[o++] = static_cast<unsigned char>(0x80 | (unit & 0x3F));
        }
    }
    result.truncate(o);
    return result;
}

QString CanonicalFileName(const QString& name) {
    // Only surrogates can read back otherwise; most names hold none.
    for (QChar unit : name)
        if (unit.isSurrogate())
            return DecodeFileName(EncodeFileName(name));
    return name;
}

}  // namespace miravel
