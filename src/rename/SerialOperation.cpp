#include "rename/SerialOperation.h"

#include "rename/FileNameRules.h"
#include "rename/NumberField.h"
#include "rename/NumericText.h"
#include "rename/RenameTexts.h"
#include "rename/SerialNumber.h"
#include "rename/TextJoin.h"

namespace miravel {

namespace {

qsizetype PositionFor(const SerialFields& fields) {
    return fields.placement == Placement::Position ? InsertPosition(fields.position).value_or(0)
                                                   : 0;
}

QString SerialBlock(const SerialFields& fields, qint64 number) {
    return JoinTexts({fields.prefix, FormatSerialNumber(number, ZeroPadFormat(fields.digitCount)),
                      fields.suffix});
}

}  // namespace

std::optional<QString> SerialCheck(const SerialFields& fields) {
    if (!IsNumericText(fields.start))
        return rename_texts::EnterNumber.toString();
    const std::optional<qint64> start = FloorToInt64(fields.start);
    if (!start)
        return rename_texts::EnterNumber.toString();
    // Numbers below 0 are refused when the field is left; a run must not meet one either.
    if (*start < 0)
        return rename_texts::EnterZeroOrMore.toString();
    if (!CheckFileNameChars(fields.prefix) || !CheckFileNameChars(fields.suffix))
        return rename_texts::ForbiddenChars.toString();
    if (!IsNumericText(fields.position))
        return rename_texts::EnterNumber.toString();
    if (!InsertPosition(fields.position))
        return rename_texts::EnterZeroOrMore.toString();
    return std::nullopt;
}

std::optional<QString> SerialPreviewText(const SerialFields& fields) {
    const std::optional<qint32> first = RoundToInt32(fields.start);
    if (!first)
        return std::nullopt;
    if (fields.placement == Placement::Position && !InsertPosition(fields.position))
        return std::nullopt;
    const qsizetype position = PositionFor(fields);
    QString text;
    const QStringView samples[] = {u"資料A", u"資料B", u"資料C"};
    for (qint64 i = 0; i < 3; ++i) {
        text += InsertIntoBase(samples[i], SerialBlock(fields, qint64(*first) + i),
                               fields.placement, position);
        text += i < 2 ? QStringView(u".txt, ") : QStringView(u".txt, …");
    }
    return text;
}

QString SerialName(QStringView name, const SerialFields& fields, qint64 number) {
    return InsertIntoName(name, SerialBlock(fields, number), fields.placement, PositionFor(fields));
}

BatchOperation MakeSerialOperation(const SerialFields& fields) {
    BatchOperation operation;
    operation.check = [=] { return SerialCheck(fields); };
    operation.confirmText = rename_texts::ConfirmSerial.toString();
    const qint64 start = FloorToInt64(fields.start).value_or(0);
    operation.newName = [=](const QString& rowName,
                            qint64 selectedIndex) -> std::optional<QString> {
        const std::optional<qint64> number = SerialCounter(start, selectedIndex);
        if (!number)
            return std::nullopt;
        return SerialName(rowName, fields, *number);
    };
    return operation;
}

}  // namespace miravel
