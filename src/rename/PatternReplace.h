#pragma once

#include <QRegularExpression>
#include <QString>
#include <QStringView>
#include <optional>
#include <vector>

#include "rename/BatchRename.h"

namespace miravel {

// The replace panel's fields with its two check boxes.
struct PatternReplaceOptions {
    QString findText;
    QString replacement;
    bool regex = false;       // the text to find is a regular expression
    bool replaceAll = false;  // every occurrence instead of the first
};

// The first failing input check of a replace run, as its error text: the text to find empty;
// with a pattern, a pattern that does not compile (its fault and position) and then a
// replacement naming a group the pattern lacks; the character rule on the replacement as
// typed, its group references aside.
std::optional<QString> PatternReplaceCheck(const PatternReplaceOptions& options);

// A replacement cut into literal text and group references.
struct ReplacementPiece {
    QString literal;
    int group = 0;  // 1 to 9 for a group reference, 0 for literal text
};
std::vector<ReplacementPiece> ParseReplacement(QStringView replacement);

// One compiled replace, for the many names of a run or a preview.
//
// Plain text: a name qualifies when it holds the text in any letter case; the exact-case
// occurrences are replaced (the first, or all), so a name holding the text only in another
// case comes back unchanged. Pattern: letter case is ignored and what matches is replaced;
// \w, \d and \b follow Unicode (\d also takes full-width digits). In the replacement, "\"
// followed by 1 to 9 is that captured group (empty when the group took no part in the match);
// every other "\" is a literal one, which the character rule refuses, so "\\" and "\0" are
// refused too. Undecodable bytes (lone surrogates) are matched as U+FFFD and copied back as
// they were.
class PatternReplacer {
  public:
    explicit PatternReplacer(const PatternReplaceOptions& options);

    // Nothing when the name does not qualify (or the pattern does not compile).
    std::optional<QString> NewName(QStringView name) const;

  private:
    std::optional<QString> PlainNewName(QStringView name) const;
    std::optional<QString> RegexNewName(QStringView name) const;
    void AppendReplacement(QString& out, QStringView name, const QRegularExpressionMatch& m) const;

    PatternReplaceOptions options_;
    QRegularExpression regex_;
    std::vector<ReplacementPiece> pieces_;
};

// One name through a replacer made for it (the tests' and fuzzers' entry; runs make one
// replacer for all names).
std::optional<QString> PatternReplacedName(QStringView name, const PatternReplaceOptions& options);

BatchOperation MakePatternReplaceOperation(const PatternReplaceOptions& options);

}  // namespace miravel
