#include "rename/BatchRename.h"

#include "platform/MessageBoxes.h"
#include "rename/RenameFileTo.h"

namespace miravel {

void BatchRename(const BatchOperation& operation, const BatchContext& context) {
    MessageBoxes& messages = *context.messages;
    if (operation.check) {
        if (const std::optional<QString> problem = operation.check()) {
            messages.Error(*problem, context.title);
            return;
        }
    }
    if (!messages.Confirm(operation.confirmText, context.title))
        return;

    const QString folder = context.folder ? context.folder() : QString();
    const QStringList names = context.selectedRowNames ? context.selectedRowNames() : QStringList();
    if (names.isEmpty())
        return;

    bool renamedAny = false;
    for (qsizetype index = 0; index < names.size(); ++index) {
        const QString& name = names[index];
        const std::optional<QString> newName = operation.newName(name, qint64(index));
        if (!newName)
            continue;
        RenameFileTo(*context.fileSystem, messages, context.title, folder, name, *newName);
        renamedAny = true;
    }
    if (renamedAny && context.refill)
        context.refill();
}

}  // namespace miravel
