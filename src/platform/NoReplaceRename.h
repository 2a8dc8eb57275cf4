#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

#include "platform/FileStatus.h"
#include "platform/FileSystem.h"

namespace miravel {

// Stand-ins for file systems and races that tests cannot otherwise bring about.
struct RenameSeams {
    bool noReplaceUnsupported = false;  // the no-replace rename answers EINVAL
    bool inodePerName = false;          // each name of a file shows its own inode number
    std::function<void()> afterLink;    // between the hard link and the looks that follow it
};

struct RenameStep {
    int error = 0;             // errno, 0 on success
    bool noHardLinks = false;  // the fallback found a file system that cannot make hard links
    // The fallback gave the file its new name but could not prove that the old name still
    // led to the same file, so it removed neither.
    bool oldNameKept = false;
    // The no-replace rename moved the entry itself: the file is the one the old name led to,
    // under its inode number.
    bool moved = false;
    bool ok() const { return error == 0 && !oldNameKept; }
};

// The status of a name in the folder, links not followed, as the rename sees it.
FileStatus LookAt(int folderFd, const QByteArray& name, const RenameSeams& seams,
                  bool fresh = false);

// Renames within the folder without ever replacing an existing entry: the no-replace rename
// where the file system has it, else a hard link to the new name and removal of the old one
// (the link fails when the new name exists). Never copies.
RenameStep RenameNoReplace(int folderFd, const QByteArray& from, const QByteArray& to,
                           const RenameSeams& seams);

// The user's text for a failed step.
QString DescribeRenameFailure(const RenameStep& step);

// from -> temporary name -> to, moving the file back to `from` when the second step fails.
// For case-only renames on file systems where `from` and `to` name the same entry.
RenameOutcome RenameViaTemporaryName(int folderFd, const QByteArray& from, const QByteArray& to,
                                     const RenameSeams& seams);

}  // namespace miravel
