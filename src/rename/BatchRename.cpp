#include "rename/BatchRename.h"

#include "platform/FileSystem.h"
#include "platform/WorkProgress.h"
#include "rename/RenameFileTo.h"

namespace miravel {

QString BatchRun::Details() const {
    return plan.selectedCount > 0 ? PlanDetails(plan) : QString();
}

BatchRun PlanBatch(const BatchRequest& request, const NameIndex* entriesIndex,
                   std::span<const NameLookup> selectedLookups) {
    BatchRun run;
    if (request.operation.check) {
        if (std::optional<QString> problem = request.operation.check()) {
            run.problem = std::move(problem);
            return run;
        }
    }
    run.confirmText = request.operation.confirmText;
    run.folder = request.folder;
    if (request.selectedNames.isEmpty())
        return run;
    if (request.entries.names.isEmpty()) {
        FolderEntries entries = request.entries;
        entries.names = request.selectedNames;
        run.plan = PlanRenames(request.selectedNames, request.operation.newName, entries);
    } else {
        run.plan = PlanRenames(request.selectedNames, request.operation.newName, request.entries,
                               entriesIndex, selectedLookups);
    }
    return run;
}

qsizetype BatchResult::Count(RowOutcome::Kind kind) const {
    qsizetype count = 0;
    for (const RowOutcome& row : rows)
        count += row.kind == kind ? 1 : 0;
    return count;
}

std::vector<RenamedFile> BatchResult::Renamed() const {
    std::vector<RenamedFile> renamed;
    renamed.reserve(size_t(Count(RowOutcome::Kind::Renamed)));
    for (const RowOutcome& row : rows)
        if (row.kind == RowOutcome::Kind::Renamed)
            renamed.push_back({row.oldName, row.newName, row.identity});
    return renamed;
}

BatchResult ExecuteBatch(FileSystem& fileSystem, const BatchRun& run, WorkProgress* progress) {
    BatchResult result;
    result.folder = run.folder;
    if (run.problem || run.plan.rows.empty())
        return result;
    result.rows.reserve(run.plan.rows.size());
    FolderHold hold(fileSystem, run.folder);
    result.folderIdentity = fileSystem.FolderIdentity(run.folder);
    ProgressScope scope(progress, qint64(run.plan.rows.size()));
    qint64 done = 0;
    for (const PlannedRename& planned : run.plan.rows) {
        const RenameOutcome outcome =
            TryRenameFileTo(fileSystem, run.folder, planned.oldName, planned.newName);
        RowOutcome& row = result.rows.emplace_back();
        row.oldName = planned.oldName;
        row.newName = planned.newName;
        switch (outcome.kind) {
            case RenameOutcome::Kind::Renamed:
                row.kind = RowOutcome::Kind::Renamed;
                row.identity = outcome.identity;
                break;
            case RenameOutcome::Kind::NothingToDo:
                row.kind = RowOutcome::Kind::Skipped;
                break;
            case RenameOutcome::Kind::Failed:
                row.kind = RowOutcome::Kind::Failed;
                row.error = outcome.error;
                break;
        }
        scope.Advance(++done);
    }
    return result;
}

}  // namespace miravel
