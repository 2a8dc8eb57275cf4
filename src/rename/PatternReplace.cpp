#include "rename/PatternReplace.h"

#include <algorithm>
#include <memory>
#include <utility>

#include "rename/FileNameRules.h"
#include "rename/OperationTexts.h"
#include "rename/RenameTexts.h"
#include "rename/ReplaceOperation.h"

namespace miravel {

namespace {

QRegularExpression CompilePattern(const QString& pattern) {
    return QRegularExpression(pattern, QRegularExpression::CaseInsensitiveOption |
                                           QRegularExpression::UseUnicodePropertiesOption);
}

bool IsGroupDigit(QChar c) {
    return c >= u'1' && c <= u'9';
}

// The replacement's literal text, its group references left out.
QString LiteralPart(const std::vector<ReplacementPiece>& pieces) {
    QString literal;
    for (const ReplacementPiece& piece : pieces)
        literal.append(piece.literal);
    return literal;
}

// The first group reference beyond the pattern's groups, if any.
std::optional<int> MissingGroup(const std::vector<ReplacementPiece>& pieces, int groupCount) {
    for (const ReplacementPiece& piece : pieces)
        if (piece.group > groupCount)
            return piece.group;
    return std::nullopt;
}

// PCRE2 refuses to match text that is not valid UTF-16. Each lone surrogate stands in as
// U+FFFD, one code unit for one, so every offset of a match is an offset into the name too.
QString MatchableText(QStringView name) {
    QString text;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const QChar c = name[i];
        if (c.isHighSurrogate() && i + 1 < name.size() && name[i + 1].isLowSurrogate()) {
            ++i;
        } else if (c.isSurrogate()) {
            if (text.isEmpty())
                text = name.toString();
            text[i] = QChar::ReplacementCharacter;
        }
    }
    return text.isEmpty() ? name.toString() : text;
}

qsizetype CodePointsBefore(QStringView text, qsizetype offset) {
    return text.first(std::clamp<qsizetype>(offset, 0, text.size())).toUcs4().size();
}

}  // namespace

std::vector<ReplacementPiece> ParseReplacement(QStringView replacement) {
    std::vector<ReplacementPiece> pieces;
    QString literal;
    for (qsizetype i = 0; i < replacement.size(); ++i) {
        if (replacement[i] == u'\\' && i + 1 < replacement.size() &&
            IsGroupDigit(replacement[i + 1])) {
            if (!literal.isEmpty())
                pieces.push_back({std::exchange(literal, {}), 0});
            pieces.push_back({{}, replacement[i + 1].unicode() - u'0'});
            ++i;
            continue;
        }
        literal.append(replacement[i]);
    }
    if (!literal.isEmpty())
        pieces.push_back({literal, 0});
    return pieces;
}

std::optional<QString> PatternReplaceCheck(const PatternReplaceOptions& options) {
    if (!options.regex)
        return ReplaceCheck(options.findText, options.replacement);
    if (options.findText.isEmpty())
        return rename_texts::EnterString.toString();
    const QRegularExpression regex = CompilePattern(options.findText);
    if (!regex.isValid()) {
        const qsizetype position = CodePointsBefore(options.findText, regex.patternErrorOffset());
        return rename_texts::RegexInvalid.toString().arg(position + 1).arg(regex.errorString());
    }
    const std::vector<ReplacementPiece> pieces = ParseReplacement(options.replacement);
    if (!CheckFileNameChars(LiteralPart(pieces)))
        return rename_texts::ForbiddenChars.toString();
    if (const std::optional<int> group = MissingGroup(pieces, regex.captureCount()))
        return rename_texts::RegexNoGroup.toString().arg(*group);
    return std::nullopt;
}

PatternReplacer::PatternReplacer(const PatternReplaceOptions& options) : options_(options) {
    if (!options_.regex)
        return;
    regex_ = CompilePattern(options_.findText);
    regex_.optimize();
    pieces_ = ParseReplacement(options_.replacement);
}

std::optional<QString> PatternReplacer::NewName(QStringView name) const {
    return options_.regex ? RegexNewName(name) : PlainNewName(name);
}

std::optional<QString> PatternReplacer::PlainNewName(QStringView name) const {
    if (!options_.replaceAll)
        return ReplacedName(name, options_.findText, options_.replacement);
    if (options_.findText.isEmpty() || !name.contains(options_.findText, Qt::CaseInsensitive))
        return std::nullopt;
    QString out;
    qsizetype from = 0;
    for (qsizetype at = name.indexOf(options_.findText); at >= 0;
         at = name.indexOf(options_.findText, from)) {
        out.append(name.sliced(from, at - from)).append(options_.replacement);
        from = at + options_.findText.size();
    }
    out.append(name.sliced(from));
    return out;
}

std::optional<QString> PatternReplacer::RegexNewName(QStringView name) const {
    if (!regex_.isValid() || options_.findText.isEmpty())
        return std::nullopt;
    const QString subject = MatchableText(name);
    if (!options_.replaceAll) {
        const QRegularExpressionMatch m = regex_.match(subject);
        if (!m.hasMatch())
            return std::nullopt;
        QString out = name.first(m.capturedStart()).toString();
        AppendReplacement(out, name, m);
        return out.append(name.sliced(m.capturedEnd()));
    }
    QRegularExpressionMatchIterator matches = regex_.globalMatch(subject);
    if (!matches.hasNext())
        return std::nullopt;
    QString out;
    qsizetype from = 0;
    while (matches.hasNext()) {
        const QRegularExpressionMatch m = matches.next();
        out.append(name.sliced(from, m.capturedStart() - from));
        AppendReplacement(out, name, m);
        from = m.capturedEnd();
    }
    return out.append(name.sliced(from));
}

void PatternReplacer::AppendReplacement(QString& out, QStringView name,
                                        const QRegularExpressionMatch& m) const {
    for (const ReplacementPiece& piece : pieces_) {
        if (piece.group == 0) {
            out.append(piece.literal);
            continue;
        }
        // Captured text comes from the name itself, so undecodable bytes come back unchanged.
        const qsizetype start = m.capturedStart(piece.group);
        if (start >= 0)
            out.append(name.sliced(start, m.capturedEnd(piece.group) - start));
    }
}

std::optional<QString> PatternReplacedName(QStringView name, const PatternReplaceOptions& options) {
    return PatternReplacer(options).NewName(name);
}

BatchOperation MakePatternReplaceOperation(const PatternReplaceOptions& options) {
    BatchOperation operation;
    operation.check = [=] { return PatternReplaceCheck(options); };
    operation.confirmText = rename_texts::ConfirmReplace.toString();
    const auto replacer = std::make_shared<const PatternReplacer>(options);
    operation.newName = [replacer](const QString& rowName, qint64) {
        return replacer->NewName(rowName);
    };
    return operation;
}

}  // namespace miravel
