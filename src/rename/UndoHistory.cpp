#include "rename/UndoHistory.h"

#include "platform/WorkProgress.h"
#include "rename/RenameFileTo.h"

namespace miravel {

UndoHistory::UndoHistory(qsizetype levels) : levels_(std::max<qsizetype>(levels, 1)) {}

void UndoHistory::Record(const QString& folder, std::vector<RenamedFile> renamed) {
    if (renamed.empty())
        return;
    entries_.push_back({folder, std::move(renamed)});
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

    const auto total = qint64(entry.renamed.size());
    ProgressScope scope(progress, total);
    qint64 done = 0;
    for (auto file = entry.renamed.rbegin(); file != entry.renamed.rend(); ++file) {
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
