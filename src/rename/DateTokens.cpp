#include "rename/DateTokens.h"

#include <algorithm>
#include <array>

#include "rename/FileNameRules.h"
#include "rename/OperationTexts.h"
#include "rename/RenameTexts.h"

namespace miravel {

namespace {

enum class TokenKind { Created, Modified, Taken };

struct Token {
    qsizetype start = 0;
    qsizetype end = 0;  // just past the ">"
    TokenKind kind = TokenKind::Created;
    QStringView format;
};

constexpr std::array<std::pair<QStringView, TokenKind>, 3> kTokenNames = {{
    {rename_texts::TokenCreated, TokenKind::Created},
    {rename_texts::TokenModified, TokenKind::Modified},
    {rename_texts::TokenTaken, TokenKind::Taken},
}};

constexpr QStringView kDefaultFormat = u"yyyyMMdd";

// The token that starts at `at`, if one does.
std::optional<Token> TokenAt(QStringView text, qsizetype at) {
    if (text[at] != u'<')
        return std::nullopt;
    const QStringView rest = text.sliced(at + 1);
    for (const auto& [name, kind] : kTokenNames) {
        if (!rest.startsWith(name) || rest.size() == name.size())
            continue;
        const qsizetype after = at + 1 + name.size();
        if (text[after] == u'>')
            return Token{at, after + 1, kind, {}};
        if (text[after] != u':')
            continue;
        const qsizetype close = text.indexOf(u'>', after + 1);
        if (close < 0)
            return std::nullopt;
        const QStringView format = text.sliced(after + 1, close - after - 1);
        if (format.contains(u'<'))
            return std::nullopt;
        return Token{at, close + 1, kind, format};
    }
    return std::nullopt;
}

// Calls f for each token, from the first.
template <typename F>
void ForEachToken(QStringView text, F f) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (const std::optional<Token> token = TokenAt(text, i)) {
            f(*token);
            i = token->end - 1;
        }
    }
}

bool IsAsciiLetter(QChar c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

bool FieldAllowed(QChar letter, qsizetype count) {
    switch (letter.unicode()) {
        case u'y':
            return count == 4 || count == 2;
        case u'M':
        case u'd':
        case u'H':
        case u'm':
        case u's':
            return count == 1 || count == 2;
        default:
            return false;
    }
}

bool FormatAllowed(QStringView format) {
    for (qsizetype i = 0; i < format.size();) {
        qsizetype run = 1;
        while (i + run < format.size() && format[i + run] == format[i])
            ++run;
        if (IsAsciiLetter(format[i]) && !FieldAllowed(format[i], run))
            return false;
        i += run;
    }
    return true;
}

// Appends the digits of the text array from `from`, `count` of them, without the leading
// zeros beyond `width` digits (the short fields M, d, H, m and s write 1, not 01).
void AppendDigits(QString& out, const LocalDateTime::Text& text, int from, int count, int width) {
    int first = from;
    while (first < from + count - std::max(width, 1) && text[size_t(first)] == u'0')
        ++first;
    for (int i = first; i < from + count; ++i)
        out.append(QChar(text[size_t(i)]));
}

// The date written by the format; a refused run of letters is copied as it stands (a run
// checks the format before it gets here).
void AppendFormatted(QString& out, LocalDateTime date, QStringView format) {
    if (format.isEmpty())
        format = kDefaultFormat;
    // "yyyy/mm/dd hh:nn:ss"
    const LocalDateTime::Text text = date.TextArray();
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format[i];
        qsizetype run = 1;
        while (i + run < format.size() && format[i + run] == c)
            ++run;
        if (!IsAsciiLetter(c) || !FieldAllowed(c, run)) {
            out.append(format.sliced(i, run));
        } else if (c == u'y') {
            // yy: the last two digits of the year.
            AppendDigits(out, text, run == 2 ? 2 : 0, int(run), int(run));
        } else {
            const int from = c == u'M' ? 5 : c == u'd' ? 8 : c == u'H' ? 11 : c == u'm' ? 14 : 17;
            AppendDigits(out, text, from, 2, int(run));
        }
        i += run;
    }
}

}  // namespace

TokenExpansion ExpandDateTokens(QStringView text, const RowDates& dates) {
    QString out;
    out.reserve(text.size());
    qsizetype copied = 0;
    bool missingTaken = false;
    ForEachToken(text, [&](const Token& token) {
        out.append(text.sliced(copied, token.start - copied));
        copied = token.end;
        switch (token.kind) {
            case TokenKind::Created:
                AppendFormatted(out, dates.created, token.format);
                break;
            case TokenKind::Modified:
                AppendFormatted(out, dates.modified, token.format);
                break;
            case TokenKind::Taken:
                if (dates.taken)
                    AppendFormatted(out, *dates.taken, token.format);
                else
                    missingTaken = true;
                break;
        }
    });
    if (missingTaken)
        return {std::nullopt, rename_texts::NoDateTaken.toString()};
    out.append(text.sliced(copied));
    return {out, {}};
}

std::optional<QString> DateTokenTextCheck(QStringView text) {
    std::optional<QString> refused;
    ForEachToken(text, [&](const Token& token) {
        if (!refused && !FormatAllowed(token.format))
            refused = rename_texts::DateFormatRefused.toString().arg(token.format);
    });
    if (refused)
        return refused;
    // The digits of a date never hold a refused character, so any date shows the rule.
    const LocalDateTime sample = LocalDateTime::FromFields(2024, 1, 2, 3, 4, 5);
    const TokenExpansion expanded = ExpandDateTokens(text, {sample, sample, sample});
    if (!CheckFileNameChars(*expanded.text))
        return rename_texts::ForbiddenChars.toString();
    return std::nullopt;
}

bool NeedsDateTaken(QStringView text) {
    bool needed = false;
    ForEachToken(text, [&](const Token& token) { needed |= token.kind == TokenKind::Taken; });
    return needed;
}

}  // namespace miravel
