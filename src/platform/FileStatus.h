#pragma once

#include <sys/types.h>

#include "platform/FileSystem.h"

namespace miravel {

// One stat call's answer, kept to what the adapter needs.
struct FileStatus {
    int error = 0;  // errno of the failed call, 0 on success
    mode_t mode = 0;
    dev_t device = 0;
    ino_t inode = 0;
    FileStat stat;
    // What tells one file from another where inode numbers cannot: a hard link changes the
    // link count and the change time of the file, under each of its names alike.
    quint64 links = 0;
    qint64 modifiedNsecs = 0;  // within modifiedSecs
    qint64 changedSecs = 0;
    qint64 changedNsecs = 0;

    bool ok() const { return error == 0; }
    bool IsRegularFile() const;
    bool IsFolder() const;
    FileIdentity Identity() const {
        return {quint64(device), quint64(inode), stat.size,
                stat.modifiedSecs * 1000000000 + modifiedNsecs};
    }
    bool SameFileAs(const FileStatus& other) const {
        return ok() && other.ok() && device == other.device && inode == other.inode;
    }
};

// Status of path relative to the folder descriptor (AT_FDCWD for the working folder);
// followLinks decides whether a symbolic link answers for itself or for its target. fresh asks
// network and FUSE file systems past their caches, which a link or unlink just made leaves
// stale there.
FileStatus StatAt(int folderFd, const char* path, bool followLinks, bool fresh = false);

}  // namespace miravel
