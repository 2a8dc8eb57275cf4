#include "rename/ReplaceOperation.h"

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

std::optional<QString> ReplacedName(QStringView name, QStringView findText,
                                    QStringView replacement) {
    if (findText.isEmpty())
        return std::nullopt;
    // The exact search first: where it finds the text the name holds it in any case too, and
    // the slower search that ignores case is left for the other names.
    const qsizetype at = name.indexOf(findText);
    if (at < 0)
        return name.contains(findText, Qt::CaseInsensitive) ? std::optional(name.toString())
                                                            : std::nullopt;
    return JoinTexts({name.left(at), replacement, name.mid(at + findText.size())});
}

QString ReplacePreviewText(QStringView text) {
    return JoinTexts({text, u"開発資料.txt, ", text, u"請求書.txt, …"});
}

BatchOperation MakeReplaceOperation(const QString& findText, const QString& replacement) {
    BatchOperation operation;
    operation.check = [=] { return ReplaceCheck(findText, replacement); };
    operation.confirmText = rename_texts::ConfirmReplace.toString();
    operation.newName = [=](const QString& rowName, qint64) {
        return ReplacedName(rowName, findText, replacement);
    };
    return operation;
}

}  // namespace miravel
