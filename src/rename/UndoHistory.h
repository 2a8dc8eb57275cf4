#pragma once

#include <QString>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include "platform/FileSystem.h"

namespace miravel {

class MessageBoxes;
class WorkProgress;

struct RenamedFile {
    QString oldName;
    QString newName;
    // The file under its new name just after the rename; undo acts on that file only.
    std::optional<FileIdentity> identity;
};

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
    // has been written since, and a folder that another has taken the place of, are reported
    // under title and left alone. A rename that fails is shown with the system's text and the
    // others go on. The entry is dropped either way. False when there was nothing to undo.
    bool UndoLast(FileSystem& fileSystem, MessageBoxes& messages, const QString& title,
                  WorkProgress* progress = nullptr);

    // Called whenever CanUndo may have changed.
    std::function<void()> changed;

  private:
    struct Entry {
        QString folder;
        std::optional<FileIdentity> folderIdentity;
        std::vector<RenamedFile> renamed;
    };
    void Changed();

    qsizetype levels_;
    std::deque<Entry> entries_;
};

}  // namespace miravel
