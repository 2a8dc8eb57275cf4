#include "rename/BatchRename.h"

#include "platform/FileSystem.h"
#include "platform/MessageBoxes.h"
#include "platform/WorkProgress.h"
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

    // Nothing can change the selection or the folder's contents while the modal confirmation
    // is open, so the plan read here is the run that follows it.
    const QStringList selected =
        context.selectedRowNames ? context.selectedRowNames() : QStringList();
    QString details;
    RenamePlan plan;
    if (!selected.isEmpty()) {
        FolderEntries entries;
        if (context.folderEntries)
            entries = context.folderEntries(selected);
        else
            entries.names = selected;
        plan = PlanRenames(selected, operation.newName, entries);
        details = PlanDetails(plan);
    }
    if (!messages.Confirm(operation.confirmText, context.title, details))
        return;

    const QString folder = context.folder ? context.folder() : QString();
    if (selected.isEmpty())
        return;

    bool renamedAny = false;
    std::vector<RenamedFile> renamed;
    std::optional<FileIdentity> folderIdentity;
    {
        FolderHold hold(*context.fileSystem, folder);
        folderIdentity = context.fileSystem->FolderIdentity(folder);
        ProgressScope progress(context.progress, qint64(plan.rows.size()));
        qint64 done = 0;
        for (const PlannedRename& row : plan.rows) {
            // Every planned row is attempted, expected failures too, so that each failure is
            // told in the system's own words.
            const RenameOutcome outcome = RenameFileTo(*context.fileSystem, messages, context.title,
                                                       folder, row.oldName, row.newName);
            if (outcome.Succeeded())
                renamed.push_back(
                    RenamedNow(*context.fileSystem, folder, row.oldName, row.newName));
            renamedAny = true;
            progress.Advance(++done);
        }
    }
    if (context.renamed && !renamed.empty())
        context.renamed(folder, folderIdentity, std::move(renamed));
    if (renamedAny && context.refill)
        context.refill();
}

}  // namespace miravel
