#include "rename/DeleteNumberedOperation.h"

#include "rename/FileNameRules.h"
#include "rename/NameSplit.h"
#include "rename/NumberedString.h"
#include "rename/NumericText.h"
#include "rename/RenameTexts.h"
#include "rename/TextJoin.h"

namespace miravel {

std::optional<QString> DeleteCheck(const DeleteFields& fields) {
    if (fields.start.isEmpty() && fields.end.isEmpty())
        return rename_texts::EnterEitherString.toString();
    if (IsNumericText(fields.start) || IsNumericText(fields.end))
        return rename_texts::NumberNotAllowed.toString();
    if (!CheckFileNameChars(fields.start) || !CheckFileNameChars(fields.end))
        return rename_texts::ForbiddenChars.toString();
    return std::nullopt;
}

std::optional<QString> DeleteNumberedName(QStringView name, const DeleteFields& fields) {
    const NameParts parts = SplitFileName(name);
    const std::optional<QString> number = MatchNumberedString(parts.base, fields.start, fields.end);
    if (!number)
        return std::nullopt;
    // The first occurrence of the marker in the whole name is the one found in the base.
    const QString marker = JoinTexts({fields.start, *number, fields.end});
    const qsizetype at = name.indexOf(marker);
    if (at < 0)
        return std::nullopt;
    const QString replacement =
        fields.mode == DeleteMode::NumberOnly ? fields.start + fields.end : QString();
    return JoinTexts({name.left(at), replacement, name.mid(at + marker.size())});
}

bool DeleteFieldsRefused(const DeleteFields& fields) {
    return (fields.start.isEmpty() && fields.end.isEmpty()) || IsNumericText(fields.start) ||
           IsNumericText(fields.end);
}

DeletePreview DeletePreviewTexts(const DeleteFields& fields) {
    const QStringView s = fields.start;
    const QStringView e = fields.end;
    DeletePreview preview;
    preview.before =
        JoinTexts({s, u"9", e, u"基本設計", u".txt, ", s, u"10", e, u"詳細設計", u".txt …"});
    if (fields.mode == DeleteMode::StringsAndNumber)
        preview.after = QStringLiteral(u"基本設計.txt, 詳細設計.txt …");
    else
        preview.after = JoinTexts({s, e, u"基本設計.txt, ", s, e, u"詳細設計.txt …"});
    if (DeleteFieldsRefused(fields)) {
        preview.after = preview.before;
        preview.struck = true;
    }
    return preview;
}

BatchOperation MakeDeleteNumberedOperation(const DeleteFields& fields) {
    BatchOperation operation;
    operation.check = [=] { return DeleteCheck(fields); };
    operation.confirmText = rename_texts::ConfirmDelete.toString();
    operation.newName = [=](const QString& rowName, qint64) {
        return DeleteNumberedName(rowName, fields);
    };
    return operation;
}

}  // namespace miravel
