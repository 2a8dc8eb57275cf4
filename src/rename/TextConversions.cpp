#include "rename/TextConversions.h"

#include <array>

#include "rename/FileNameRules.h"

namespace miravel {

namespace {

// Calls f(codePoint, width) for each code point, lone surrogates included as they stand.
template <typename F>
void ForEachCodePoint(QStringView text, F f) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            f(QChar::surrogateToUcs4(c, text[i + 1]), 2);
            ++i;
        } else {
            f(char32_t(c.unicode()), 1);
        }
    }
}

void AppendCodePoint(QString& out, char32_t codePoint) {
    if (QChar::requiresSurrogates(codePoint)) {
        out.append(QChar(QChar::highSurrogate(codePoint)));
        out.append(QChar(QChar::lowSurrogate(codePoint)));
    } else {
        out.append(QChar(char16_t(codePoint)));
    }
}

bool IsSurrogate(char32_t codePoint) {
    return codePoint >= 0xD800 && codePoint <= 0xDFFF;
}

bool IsCased(char32_t c) {
    return !IsSurrogate(c) && (QChar::isUpper(c) || QChar::isLower(c) || QChar::isTitleCase(c));
}

// Undecodable bytes count as letters: they are most often the letters of an older encoding.
bool IsInsideWord(char32_t c) {
    if (IsSurrogate(c))
        return true;
    return IsCased(c) || QChar::isDigit(c) || QChar::isMark(c) || c == u'\'' || c == u'\u2019';
}

template <typename Map>
QString MapCase(QStringView text, Map map) {
    QString out;
    out.reserve(text.size());
    ForEachCodePoint(text,
                     [&](char32_t c, int) { AppendCodePoint(out, IsSurrogate(c) ? c : map(c)); });
    return out;
}

QString WordHeads(QStringView text) {
    QString out;
    out.reserve(text.size());
    bool inWord = false;
    ForEachCodePoint(text, [&](char32_t c, int) {
        const bool head = !inWord && IsCased(c);
        AppendCodePoint(out, head ? QChar::toTitleCase(c) : c);
        inWord = IsInsideWord(c);
    });
    return out;
}

bool IsForbiddenAscii(char16_t c) {
    for (const char16_t forbidden : ForbiddenNameChars)
        if (c == forbidden)
            return true;
    return false;
}

QString FullWidthToHalf(QStringView text) {
    QString out = text.toString();
    for (QChar& c : out) {
        const char16_t u = c.unicode();
        if (u == 0x3000) {
            c = u' ';
        } else if (u >= 0xFF01 && u <= 0xFF5E) {
            const auto ascii = char16_t(u - 0xFEE0);
            if (!IsForbiddenAscii(ascii))
                c = QChar(ascii);
        }
    }
    return out;
}

// Full-width forms of U+FF61 ... U+FF9F in order.
constexpr std::array<char16_t, 0xFF9F - 0xFF61 + 1> kFullKana = {
    u'。', u'「', u'」', u'、', u'・', u'ヲ', u'ァ', u'ィ', u'ゥ', u'ェ', u'ォ', u'ャ', u'ュ',
    u'ョ', u'ッ', u'ー', u'ア', u'イ', u'ウ', u'エ', u'オ', u'カ', u'キ', u'ク', u'ケ', u'コ',
    u'サ', u'シ', u'ス', u'セ', u'ソ', u'タ', u'チ', u'ツ', u'テ', u'ト', u'ナ', u'ニ', u'ヌ',
    u'ネ', u'ノ', u'ハ', u'ヒ', u'フ', u'ヘ', u'ホ', u'マ', u'ミ', u'ム', u'メ', u'モ', u'ヤ',
    u'ユ', u'ヨ', u'ラ', u'リ', u'ル', u'レ', u'ロ', u'ワ', u'ン', u'゛', u'゜'};

constexpr char16_t kHalfVoiced = 0xFF9E;
constexpr char16_t kHalfSemiVoiced = 0xFF9F;

// The full-width letter for a half-width kana and the mark after it, or 0 when the two have
// no combined form.
char16_t Combined(char16_t halfKana, char16_t mark) {
    const char16_t full = kFullKana[halfKana - 0xFF61];
    const bool kaToTo = halfKana >= u'ｶ' && halfKana <= u'ﾄ';
    const bool haToHo = halfKana >= u'ﾊ' && halfKana <= u'ﾎ';
    if (mark == kHalfVoiced) {
        // Each voiced letter follows its plain one: カ ガ, ハ バ パ.
        if (kaToTo || haToHo)
            return char16_t(full + 1);
        if (halfKana == u'ｳ')
            return u'ヴ';
        if (halfKana == u'ﾜ')
            return u'ヷ';
        if (halfKana == u'ｦ')
            return u'ヺ';
    } else if (mark == kHalfSemiVoiced && haToHo) {
        return char16_t(full + 2);
    }
    return 0;
}

bool IsHalfKana(char16_t c) {
    return c >= 0xFF61 && c <= 0xFF9F;
}

QString HalfKanaToFull(QStringView text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (!IsHalfKana(c)) {
            out.append(text[i]);
            continue;
        }
        if (i + 1 < text.size()) {
            if (const char16_t combined = Combined(c, text[i + 1].unicode())) {
                out.append(QChar(combined));
                ++i;
                continue;
            }
        }
        out.append(QChar(kFullKana[c - 0xFF61]));
    }
    return out;
}

}  // namespace

QString ConvertText(QStringView text, Conversion conversion) {
    switch (conversion) {
        case Conversion::Lower:
            return MapCase(text, [](char32_t c) { return QChar::toLower(c); });
        case Conversion::Upper:
            return MapCase(text, [](char32_t c) { return QChar::toUpper(c); });
        case Conversion::WordHeads:
            return WordHeads(text);
        case Conversion::FullWidthToHalf:
            return FullWidthToHalf(text);
        case Conversion::HalfKanaToFull:
            return HalfKanaToFull(text);
    }
    return text.toString();
}

}  // namespace miravel
