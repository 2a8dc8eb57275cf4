#include "rename/AddStringOperation.h"

#include "rename/DateTokens.h"
#include "rename/NumberField.h"
#include "rename/NumericText.h"
#include "rename/RenameTexts.h"
#include "rename/TextJoin.h"

namespace miravel {

std::optional<QString> AddStringCheck(const AddStringFields& fields) {
    if (fields.text.isEmpty())
        return rename_texts::EnterString.toString();
    // The character rule holds for the text as its tokens will stand in the names.
    if (std::optional<QString> refused = DateTokenTextCheck(fields.text))
        return refused;
    if (!IsNumericText(fields.position))
        return rename_texts::EnterNumber.toString();
    // A negative position has no place in a name; the field check keeps one from leaving the
    // box, and this keeps one set by other means from reaching a run.
    if (!InsertPosition(fields.position))
        return rename_texts::EnterZeroOrMore.toString();
    return std::nullopt;
}

std::optional<QString> AddPreviewText(const AddStringFields& fields) {
    qsizetype position = 0;
    if (fields.placement == Placement::Position) {
        const std::optional<qsizetype> parsed = InsertPosition(fields.position);
        if (!parsed)
            return std::nullopt;
        position = *parsed;
    }
    const QString first = InsertIntoBase(u"開発資料", fields.text, fields.placement, position);
    const QString second = InsertIntoBase(u"請求書", fields.text, fields.placement, position);
    return JoinTexts({first, u".txt, ", second, u".txt, …"});
}

BatchOperation MakeAddStringOperation(const AddStringFields& fields,
                                      const RowDatesLookup& rowDates) {
    BatchOperation operation;
    operation.check = [=] { return AddStringCheck(fields); };
    operation.confirmText = rename_texts::ConfirmAdd.toString();
    const qsizetype position = InsertPosition(fields.position).value_or(0);
    // A checked text holds "<" only in its tokens.
    if (!fields.text.contains(u'<')) {
        operation.newName = [=](const QString& rowName, qint64) -> std::optional<QString> {
            return InsertIntoName(rowName, fields.text, fields.placement, position);
        };
        return operation;
    }
    operation.newName = [=](const QString& rowName, qint64) -> std::optional<QString> {
        const std::optional<RowDates> dates = rowDates ? rowDates(rowName) : std::nullopt;
        if (!dates)
            return std::nullopt;
        const TokenExpansion expanded = ExpandDateTokens(fields.text, *dates);
        if (!expanded.text)
            return std::nullopt;
        return InsertIntoName(rowName, *expanded.text, fields.placement, position);
    };
    operation.skipReason = [=](const QString& rowName) {
        const std::optional<RowDates> dates = rowDates ? rowDates(rowName) : std::nullopt;
        return dates ? ExpandDateTokens(fields.text, *dates).skipReason : QString();
    };
    return operation;
}

}  // namespace miravel
