#include "rename/widgets/NumberFieldCheck.h"

#include <QLineEdit>

#include "platform/widgets/LeaveCheck.h"
#include "rename/NumberField.h"

namespace miravel {

LeaveCheck* CheckNumberField(QLineEdit* field, MessageBoxes* messages, const QString& title) {
    return new LeaveCheck(
        field, [](const QString& text) { return NumberFieldProblem(text); }, messages, title);
}

}  // namespace miravel
