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

    bool ok() const { return error == 0; }
    bool IsRegularFile() const;
    bool IsFolder() const;
    bool SameFileAs(const FileStatus& other) const {
        return ok() && other.ok() && device == other.device && inode == other.inode;
    }
};

// Status of path relative to the folder descriptor (AT_FDCWD for the working folder);
// followLinks decides whether a symbolic link answers for itself or for its target.
FileStatus StatAt(int folderFd, const char* path, bool followLinks);

}  // namespace miravel
