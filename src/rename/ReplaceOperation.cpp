#include "rename/ReplaceOperation.h"

#include "rename/CaseVariants.h"
#include "rename/FileNameRules.h"
#include "rename/RenameTexts.h"
#include "rename/TextJoin.h"

namespace miravel {

std::optional<QString> ReplaceCheck(QStringView findText, QStringView replacement) {
    if (findText.isEmpty())
        return rename_texts::EnterString.toString();
    if (!CheckFileNameChars(replacement))
        return rename_texts::ForbiddenChars.toString();
    return std::nullopt;
}

namespace {

// caseMatters: whether the text has case variants, found once for every name.
std::optional<QString> Replaced(QStringView name, QStringView findText, QStringView replacement,
                                bool caseMatters) {
    if (findText.isEmpty())
        return std::nullopt;
    // The exact search first: where it finds the text the name holds it in any case too, and
    // the slower search that ignores case is left for the other names.
    const qsizetype at = name.indexOf(findText);
    if (at < 0) {
        return caseMatters && name.contains(findText, Qt::CaseInsensitive)
                   ? std::optional(name.toString())
                   : std::nullopt;
    }
    return JoinTexts({name.left(at), replacement, name.mid(at + findText.size())});
}

}  // namespace

std::optional<QString> ReplacedName(QStringView name, QStringView findText,
                                    QStringView replacement) {
    return Replaced(name, findText, replacement, HasCaseVariants(findText));
}

QString ReplacePreviewText(QStringView text) {
    return JoinTexts({text, u"開発資料.txt, ", text, u"請求書.txt, …"});
}

BatchOperation MakeReplaceOperation(const QString& findText, const QString& replacement) {
    BatchOperation operation;
    operation.check = [=] { return ReplaceCheck(findText, replacement); };
    operation.confirmText = rename_texts::ConfirmReplace.toString();
    const bool caseMatters = HasCaseVariants(findText);
    operation.newName = [=](const QString& rowName, qint64) {
        return Replaced(rowName, findText, replacement, caseMatters);
    };
    return operation;
}

}  // namespace miravel
