#include "rename/NumberField.h"

#include "rename/NumericText.h"
#include "rename/RenameTexts.h"

namespace miravel {

std::optional<QString> NumberFieldProblem(QStringView text) {
    const std::optional<qint16> value = RoundToInt16Clamped(text);
    if (!value)
        return rename_texts::EnterNumber.toString();
    if (*value < 0)
        return rename_texts::EnterZeroOrMore.toString();
    return std::nullopt;
}

std::optional<qsizetype> InsertPosition(QStringView text) {
    const std::optional<qint16> value = RoundToInt16Clamped(text);
    if (!value || *value < 0)
        return std::nullopt;
    return qsizetype(*value);
}

}  // namespace miravel
