#pragma once

#include <QString>
#include <deque>
#include <functional>
#include <vector>

namespace miravel {

class FileSystem;
class MessageBoxes;
class WorkProgress;

struct RenamedFile {
    QString oldName;
    QString newName;
};

// The renames of this session that can be taken back, newest last, one entry per batch run
// or in-place rename. Held in memory only.
class UndoHistory {
  public:
    explicit UndoHistory(qsizetype levels = 20);

    // Records the renames that succeeded, in the order they were made; nothing when empty.
    void Record(const QString& folder, std::vector<RenamedFile> renamed);
    bool CanUndo() const { return !entries_.empty(); }
    qsizetype Levels() const { return qsizetype(entries_.size()); }

    // Gives the files of the newest entry their old names again, the last renamed first, never
    // replacing a file. A rename that fails is shown with the system's text under title and
    // the others go on. The entry is dropped either way. False when there was nothing to undo.
    bool UndoLast(FileSystem& fileSystem, MessageBoxes& messages, const QString& title,
                  WorkProgress* progress = nullptr);

    // Called whenever CanUndo may have changed.
    std::function<void()> changed;

  private:
    struct Entry {
        QString folder;
        std::vector<RenamedFile> renamed;
    };
    void Changed();

    qsizetype levels_;
    std::deque<Entry> entries_;
};

}  // namespace miravel
