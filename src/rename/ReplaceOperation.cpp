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
    if (findText.isEmpty() || !name.contains(findText, Qt::CaseInsensitive))
        return std::nullopt;
    const qsizetype at = name.indexOf(findText);
    if (at < 0)
        return name.toString();
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
