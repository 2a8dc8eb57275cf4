#pragma once

#include <QString>
#include <deque>
#include <optional>
#include <vector>

#include "rename/BatchRename.h"

namespace miravel {

class FileSystem;
class WorkProgress;

// The record of a rename just made in folder, with the identity of the renamed file.
RenamedFile RenamedNow(const FileSystem& fileSystem, const QString& folder, const QString& oldName,
                       const QString& newName);

// The renames of this session that can be taken back, newest last, one entry per batch run
// or in-place rename. Held in memory only.
class UndoHistory {
  public:
    explicit UndoHistory(qsizetype levels = 20);

    // Records the renames that succeeded, in the order they were made, in the folder of the
    // given identity; nothing when empty.
    void Record(const QString& folder, const std::optional<FileIdentity>& folderIdentity,
                std::vector<RenamedFile> renamed);
    bool CanUndo() const { return !entries_.empty(); }
    qsizetype Levels() const { return qsizetype(entries_.size()); }

    // Gives the files of the newest entry their old names again, the last renamed first, never
    // replacing a file, with the folder held open throughout. Only the very files renamed, in
    // the very folder, are renamed back: a file that another has taken the place of, or that
    // has been written since, and a folder that another has taken the place of, are told in
    // the result as failures and left alone. A rename that fails is told with the system's
    // text and the others go on. The entry is dropped either way. Nothing when there was
    // nothing to undo.
    std::optional<BatchResult> UndoLast(FileSystem& fileSystem, WorkProgress* progress = nullptr);

  private:
    struct Entry {
        QString folder;
        std::optional<FileIdentity> folderIdentity;
        std::vector<RenamedFile> renamed;
    };
    qsizetype levels_;
    std::deque<Entry> entries_;
};

}  // namespace miravel
