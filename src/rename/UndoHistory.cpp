#include "rename/UndoHistory.h"

#include "platform/MessageBoxes.h"
#include "platform/WorkProgress.h"
#include "rename/RenameFileTo.h"
#include "rename/RenameTexts.h"

namespace miravel {

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
    Changed();
}

bool UndoHistory::UndoLast(FileSystem& fileSystem, MessageBoxes& messages, const QString& title,
                           WorkProgress* progress) {
    if (entries_.empty())
        return false;
    const Entry entry = std::move(entries_.back());
    entries_.pop_back();
    Changed();

    FolderHold hold(fileSystem, entry.folder);
    const auto total = qint64(entry.renamed.size());
    ProgressScope scope(progress, total);
    // A folder made at the path since holds other files, whatever their names.
    if (!entry.folderIdentity || fileSystem.FolderIdentity(entry.folder) != entry.folderIdentity) {
        messages.Error(rename_texts::UndoOtherFolder.arg(entry.folder), title);
        scope.Advance(total);
        return true;
    }
    qint64 done = 0;
    for (auto file = entry.renamed.rbegin(); file != entry.renamed.rend(); ++file) {
        QString error;
        const std::optional<FileIdentity> now =
            fileSystem.IdentityOf(entry.folder, file->newName, &error);
        if (!now)
            messages.Error(error, title);
        else if (!file->identity || *now != *file->identity)
            messages.Error(rename_texts::UndoOtherFile.arg(file->newName), title);
        else
            RenameFileTo(fileSystem, messages, title, entry.folder, file->newName, file->oldName);
        scope.Advance(++done);
    }
    return true;
}

void UndoHistory::Changed() {
    if (changed)
        changed();
}

}  // namespace miravel
