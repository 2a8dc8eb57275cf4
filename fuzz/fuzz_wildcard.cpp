// The wildcard matcher against a slow, plainly right reference: every alternative tried by
// dynamic programming over case-folded characters.
#include <QStringList>
#include <vector>

#include "FuzzSupport.h"
#include "files/WildcardPattern.h"

using namespace miravel;
using namespace miravel::fuzz;

namespace {

// A pair is one character; a lone surrogate (a name byte that is not UTF-8) is one of its own.
std::vector<char32_t> CodePoints(QStringView text) {
    std::vector<char32_t> points;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            points.push_back(QChar::surrogateToUcs4(text[i], text[i + 1]));
            ++i;
        } else {
            points.push_back(text[i].unicode());
        }
    }
    for (char32_t& c : points)
        c = QChar::toCaseFolded(c);
    return points;
}

bool MatchesWhole(const std::vector<char32_t>& pattern, const std::vector<char32_t>& name) {
    const std::size_t p = pattern.size();
    const std::size_t n = name.size();
    // ok[i][j]: pattern from i matches name from j.
    std::vector<std::vector<char>> ok(p + 1, std::vector<char>(n + 1, 0));
    ok[p][n] = 1;
    for (std::size_t i = p; i-- > 0;) {
        for (std::size_t j = n + 1; j-- > 0;) {
            if (pattern[i] == U'*')
                ok[i][j] = ok[i + 1][j] || (j < n && ok[i][j + 1]);
            else if (j < n && (pattern[i] == U'?' || pattern[i] == name[j]))
                ok[i][j] = ok[i + 1][j + 1];
        }
    }
    return ok[0][0] != 0;
}

bool Reference(const QString& pattern, const QString& name) {
    const std::vector<char32_t> folded = CodePoints(name);
    bool anyAlternative = false;
    for (const QString& part : pattern.split(u';')) {
        const QString alternative = part.trimmed();
        if (alternative.isEmpty())
            continue;
        anyAlternative = true;
        const std::vector<char32_t> points = CodePoints(alternative);
        bool onlyStars = true;
        for (const char32_t c : points)
            onlyStars = onlyStars && c == U'*';
        if (onlyStars || MatchesWhole(points, folded))
            return true;
        // "name.*" also stands for the bare "name".
        if (points.size() > 2 && points[points.size() - 2] == U'.' && points.back() == U'*' &&
            MatchesWhole({points.begin(), points.end() - 2}, folded))
            return true;
    }
    return !anyAlternative;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const QString pattern = TypedText(input, 48);
    const QString name = DiskName(input.ConsumeRemainingBytesAsString());
    FUZZ_CHECK(WildcardPattern(pattern).Matches(name) == Reference(pattern, name));
    return 0;
}
