#include "files/WildcardPattern.h"

#include <QList>
#include <QVarLengthArray>
#include <algorithm>

namespace miravel {

namespace {

using CodePoints = QVarLengthArray<char32_t, 256>;

// Simple (length-keeping) case folding, the same for pattern and name so that both sides
// always agree.
char32_t Fold(char32_t c) {
    if (c < 0x80)
        return (c >= 'A' && c <= 'Z') ? c + ('a' - 'A') : c;
    return QChar::toCaseFolded(c);
}

// A surrogate pair is one character; a lone surrogate (a byte that was not UTF-8) is one too.
template <typename Sink>
void ForEachCodePoint(QStringView text, Sink sink) {
    const char16_t* units = text.utf16();
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t unit = units[i];
        if (QChar::isHighSurrogate(unit) && i + 1 < size && QChar::isLowSurrogate(units[i + 1])) {
            sink(QChar::surrogateToUcs4(unit, units[i + 1]));
            ++i;
        } else {
            sink(char32_t(unit));
        }
    }
}

bool IsBlank(QChar c) {
    return c.isSpace();
}

QStringView Trimmed(QStringView text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && IsBlank(text[begin]))
        ++begin;
    while (end > begin && IsBlank(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin);
}

// The classic greedy-star walk: on a mismatch, only the most recent star is widened by one
// character, which is enough because an earlier star can never help a later literal run.
template <typename Name>
bool MatchOne(const std::vector<char32_t>& pattern, const Name& name) {
    const qsizetype patternSize = qsizetype(pattern.size());
    const qsizetype nameSize = name.size();
    qsizetype p = 0;
    qsizetype n = 0;
    qsizetype starP = -1;
    qsizetype starN = 0;
    while (n < nameSize) {
        if (p < patternSize && pattern[p] == U'*') {
            starP = ++p;
            starN = n;
        } else if (p < patternSize && (pattern[p] == U'?' || pattern[p] == name[n])) {
            ++p;
            ++n;
        } else if (starP >= 0) {
            p = starP;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < patternSize && pattern[p] == U'*')
        ++p;
    return p == patternSize;
}

bool OnlyStars(const std::vector<char32_t>& pattern) {
    return std::all_of(pattern.begin(), pattern.end(), [](char32_t c) { return c == U'*'; });
}

}  // namespace

WildcardPattern::WildcardPattern(const QString& pattern) {
    for (QStringView part : QStringView(pattern).split(u';')) {
        const QStringView trimmed = Trimmed(part);
        if (trimmed.isEmpty())
            continue;
        Alternative alternative;
        alternative.reserve(std::size_t(trimmed.size()));
        ForEachCodePoint(trimmed, [&](char32_t c) { alternative.push_back(Fold(c)); });
        if (alternative.size() >= 2 && alternative[alternative.size() - 2] == U'.' &&
            alternative.back() == U'*') {
            Alternative withoutDot(alternative.begin(), alternative.end() - 2);
            if (!withoutDot.empty())
                alternatives_.push_back(std::move(withoutDot));
        }
        alternatives_.push_back(std::move(alternative));
    }
    matchesAll_ =
        alternatives_.empty() || std::any_of(alternatives_.begin(), alternatives_.end(), OnlyStars);
}

bool WildcardPattern::Matches(QStringView name) const {
    if (matchesAll_)
        return true;
    CodePoints folded;
    folded.reserve(name.size());
    ForEachCodePoint(name, [&](char32_t c) { folded.append(Fold(c)); });
    for (const Alternative& alternative : alternatives_)
        if (MatchOne(alternative, folded))
            return true;
    return false;
}

}  // namespace miravel
