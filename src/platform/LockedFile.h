#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

#include "platform/SmallFileRead.h"
#include "platform/UniqueFd.h"

namespace miravel {

// Test seams of a replace; the program never sets them.
struct FileUpdateHooks {
    // Runs once the new content sits complete and synced in the temporary file, just before
    // that file replaces the old one.
    std::function<void()> beforeReplace;
    // When it returns true, writing the new content fails as on a full disk.
    std::function<bool()> failWrite;
};

// A small file that several processes may rewrite at once, under an exclusive lock for as long
// as the object lives. The lock is on the file's folder itself, so no lock file is left beside
// it where a user would see it. The file is found and read under the lock as ReadSmallFile
// does: a link of another user is never followed, and nothing that is not a regular file is
// opened for reading.
class LockedFile {
  public:
    // Waits at most lockWaitMs for the lock: a process that holds it longer is stuck.
    LockedFile(const QString& path, qsizetype maxSize, int lockWaitMs);
    LockedFile(const LockedFile&) = delete;
    LockedFile& operator=(const LockedFile&) = delete;

    bool Locked() const { return locked_; }
    // What stood at the path when the lock was taken.
    const SmallFile& Current() const { return current_; }

    // Puts new content in place of a regular or missing file (a link of this user or of the
    // system stays, and the file it names is replaced). The content goes to a temporary file in
    // the same folder, is synced, and is renamed over the old file, so that a crash, a kill or
    // a full disk at any moment leaves either the old or the new file, whole.
    bool Replace(const QByteArray& bytes, const FileUpdateHooks* hooks = nullptr);

  private:
    UniqueFd folder_;
    bool locked_ = false;
    ResolvedFile file_;
    SmallFile current_;
};

}  // namespace miravel
