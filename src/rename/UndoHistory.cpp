#include "rename/UndoHistory.h"

#include "platform/FileSystem.h"
#include "platform/WorkProgress.h"
#include "rename/BatchRename.h"
#include "rename/RenameTexts.h"

namespace miravel {

namespace {

RowOutcome Refused(const QString& oldName, const QString& newName, QString error) {
    RowOutcome row;
    row.oldName = oldName;
    row.newName = newName;
    row.kind = RowOutcome::Kind::Failed;
    row.error = std::move(error);
    return row;
}

}  // namespace

RenamedFile RenamedNow(const FileSystem& fileSystem, const QString& folder, const QString& oldName,
                       const QString& newName) {
    return {oldName, newName, fileSystem.IdentityOf(folder, newName)};
}

UndoHistory::UndoHistory(qsizetype levels) : levels_(std::max<qsizetype>(levels, 1)) {}

void UndoHistory::Record(const QString& folder, const std::optional<FileIdentity>& folderIdentity,
                         std::vector<RenamedFile> renamed) {
    if (renamed.empty())
        return;
    entries_.push_back({folder, folderIdentity, std::move(renamed)});
    while (qsizetype(entries_.size()) > levels_)
        entries_.pop_front();
}

std::optional<BatchResult> UndoHistory::UndoLast(FileSystem& fileSystem, WorkProgress* progress) {
    if (entries_.empty())
        return std::nullopt;
    const Entry entry = std::move(entries_.back());
    entries_.pop_back();

    BatchResult result;
    result.folder = entry.folder;
    result.folderIdentity = entry.folderIdentity;
    FolderHold hold(fileSystem, entry.folder);
    const auto total = qint64(entry.renamed.size());
    ProgressScope scope(progress, total);
    // A folder made at the path since holds other files, whatever their names.
    if (!entry.folderIdentity || fileSystem.FolderIdentity(entry.folder) != entry.folderIdentity) {
        result.rows.push_back(
            Refused({}, {}, rename_texts::UndoOtherFolder.toString().arg(entry.folder)));
        scope.Advance(total);
        return result;
    }
    result.rows.reserve(entry.renamed.size());
    qint64 done = 0;
    for (auto file = entry.renamed.rbegin(); file != entry.renamed.rend(); ++file) {
        QString error;
        const std::optional<FileIdentity> now =
            fileSystem.IdentityOf(entry.folder, file->newName, &error);
        if (!now) {
            result.rows.push_back(Refused(file->newName, file->oldName, error));
        } else if (!file->identity || *now != *file->identity) {
            result.rows.push_back(
                Refused(file->newName, file->oldName,
                        rename_texts::UndoOtherFile.toString().arg(file->newName)));
        } else {
            // The very file the run renamed stands under the name: no folder can have taken
            // its place, so the rename needs no look of its own.
            const RenameOutcome outcome =
                fileSystem.RenameInFolder(entry.folder, file->newName, file->oldName);
            RowOutcome& row = result.rows.emplace_back();
            row.oldName = file->newName;
            row.newName = file->oldName;
            row.kind = outcome.kind == RenameOutcome::Kind::Renamed ? RowOutcome::Kind::Renamed
                       : outcome.kind == RenameOutcome::Kind::NothingToDo
                           ? RowOutcome::Kind::Skipped
                           : RowOutcome::Kind::Failed;
            row.error = outcome.error;
        }
        scope.Advance(++done);
    }
    return result;
}

}  // namespace miravel
