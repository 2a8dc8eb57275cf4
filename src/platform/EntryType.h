#pragma once

#include <dirent.h>

namespace miravel {

// What a folder entry says of itself, so that most entries need no stat call to be sorted
// into files and folders. Link and Unknown need one to tell.
enum class EntryType { File, Folder, Link, Unknown, Other };

inline EntryType TypeOf(const dirent* entry) {
#ifdef DT_UNKNOWN
    switch (entry->d_type) {
        case DT_REG:
            return EntryType::File;
        case DT_DIR:
            return EntryType::Folder;
        case DT_LNK:
            return EntryType::Link;
        case DT_UNKNOWN:
            return EntryType::Unknown;
        default:
            return EntryType::Other;  // devices, pipes, sockets
    }
#else
    (void)entry;
    return EntryType::Unknown;
#endif
}

}  // namespace miravel
