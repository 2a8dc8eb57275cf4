#pragma once

#include <QByteArray>
#include <QString>

#include "platform/FileSystem.h"

namespace miravel {

struct RenameStep {
    int error = 0;             // errno, 0 on success
    bool noHardLinks = false;  // the fallback found a file system that cannot make hard links
    bool ok() const { return error == 0; }
};

// Renames within the folder without ever replacing an existing entry: the no-replace rename
// where the file system has it, else a hard link to the new name and removal of the old one
// (the link fails when the new name exists). Never copies.
RenameStep RenameNoReplace(int folderFd, const QByteArray& from, const QByteArray& to,
                           bool simulateNoReplaceUnsupported);

// The user's text for a failed step.
QString DescribeRenameFailure(const RenameStep& step);

// from -> temporary name -> to, moving the file back to `from` when the second step fails.
// For case-only renames on file systems where `from` and `to` name the same entry.
RenameOutcome RenameViaTemporaryName(int folderFd, const QByteArray& from, const QByteArray& to,
                                     bool simulateNoReplaceUnsupported);

}  // namespace miravel
