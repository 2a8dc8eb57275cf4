#include "ReferenceLoops.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>
#include <QString>
#include <cstdio>

#include "files/WildcardPattern.h"

namespace miravel::bench {

std::vector<ReferenceEntry> ReferenceListing(const QByteArray& folder,
                                             const WildcardPattern& pattern) {
    std::vector<ReferenceEntry> entries;
    const int folderFd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd < 0)
        return entries;
    DIR* dir = ::fdopendir(folderFd);
    if (dir == nullptr) {
        ::close(folderFd);
        return entries;
    }
    while (const dirent* entry = ::readdir(dir)) {
        if (entry->d_type == DT_DIR)
            continue;  // "." and ".." among them
        if (!pattern.Matches(QString::fromUtf8(entry->d_name)))
            continue;
        struct statx stx;
        if (::statx(folderFd, entry->d_name, AT_STATX_SYNC_AS_STAT,
                    STATX_TYPE | STATX_SIZE | STATX_MTIME | STATX_BTIME, &stx) != 0)
            continue;
        if (!S_ISREG(stx.stx_mode))
            continue;
        entries.push_back({entry->d_name, (long long)stx.stx_size, (long long)stx.stx_btime.tv_sec,
                           (long long)stx.stx_mtime.tv_sec});
    }
    ::closedir(dir);
    return entries;
}

int ReferenceRenames(const QByteArray& folder, const std::vector<QByteArray>& from,
                     const std::vector<QByteArray>& to) {
    const int folderFd = ::open(folder.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (folderFd < 0)
        return int(from.size());
    int failures = 0;
    for (size_t i = 0; i < from.size(); ++i) {
        if (::renameat2(folderFd, from[i].constData(), folderFd, to[i].constData(),
                        RENAME_NOREPLACE) != 0)
            ++failures;
    }
    ::close(folderFd);
    return failures;
}

}  // namespace miravel::bench
