#include "platform/FileStatus.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <atomic>
#include <cerrno>
#ifdef __linux__
#include <sys/sysmacros.h>
#endif

namespace miravel {

bool FileStatus::IsRegularFile() const {
    return ok() && S_ISREG(mode);
}
bool FileStatus::IsFolder() const {
    return ok() && S_ISDIR(mode);
}

namespace {

FileStatus FromStat(const struct stat& st) {
    FileStatus status;
    status.mode = st.st_mode;
    status.device = st.st_dev;
    status.inode = st.st_ino;
    status.stat.size = qint64(st.st_size);
    status.stat.modifiedSecs = qint64(st.st_mtime);
    status.links = quint64(st.st_nlink);
#if defined(__APPLE__)
    status.modifiedNsecs = qint64(st.st_mtimespec.tv_nsec);
    status.changedSecs = qint64(st.st_ctimespec.tv_sec);
    status.changedNsecs = qint64(st.st_ctimespec.tv_nsec);
#else
    status.modifiedNsecs = qint64(st.st_mtim.tv_nsec);
    status.changedSecs = qint64(st.st_ctim.tv_sec);
    status.changedNsecs = qint64(st.st_ctim.tv_nsec);
#endif
#if defined(__APPLE__) || defined(__FreeBSD__) || defined(__NetBSD__)
    status.stat.createdSecs = qint64(st.st_birthtime);
#else
    status.stat.createdSecs = status.stat.modifiedSecs;
#endif
    return status;
}

FileStatus StatAtPortable(int folderFd, const char* path, bool followLinks) {
    struct stat st;
    if (::fstatat(folderFd, path, &st, followLinks ? 0 : AT_SYMLINK_NOFOLLOW) != 0) {
        FileStatus failed;
        failed.error = errno;
        return failed;
    }
    return FromStat(st);
}

}  // namespace

FileStatus StatAt(int folderFd, const char* path, bool followLinks, bool fresh) {
#if defined(__linux__) && defined(STATX_BTIME)
    // Kernels before 4.11 and some sandboxes refuse statx; remember that and stop asking.
    static std::atomic<bool> statxUnavailable{false};
    if (!statxUnavailable.load(std::memory_order_relaxed)) {
        struct statx stx;
        const int flags = (fresh ? AT_STATX_FORCE_SYNC : AT_STATX_SYNC_AS_STAT) |
                          (followLinks ? 0 : AT_SYMLINK_NOFOLLOW);
        const unsigned mask = STATX_TYPE | STATX_INO | STATX_SIZE | STATX_MTIME | STATX_BTIME |
                              (fresh ? STATX_NLINK | STATX_CTIME : 0);
        if (::statx(folderFd, path, flags, mask, &stx) == 0) {
            FileStatus status;
            status.mode = stx.stx_mode;
            status.device = makedev(stx.stx_dev_major, stx.stx_dev_minor);
            status.inode = stx.stx_ino;
            status.stat.size = qint64(stx.stx_size);
            status.stat.modifiedSecs = qint64(stx.stx_mtime.tv_sec);
            status.links = quint64(stx.stx_nlink);
            status.modifiedNsecs = qint64(stx.stx_mtime.tv_nsec);
            status.changedSecs = qint64(stx.stx_ctime.tv_sec);
            status.changedNsecs = qint64(stx.stx_ctime.tv_nsec);
            status.stat.createdSecs = (stx.stx_mask & STATX_BTIME) ? qint64(stx.stx_btime.tv_sec)
                                                                   : status.stat.modifiedSecs;
            return status;
        }
        const int error = errno;
        if (error != ENOSYS && error != EPERM) {
            FileStatus failed;
            failed.error = error;
            return failed;
        }
        // EPERM from statx alone is a sandbox filter; from both calls it is the file's.
        FileStatus status = StatAtPortable(folderFd, path, followLinks);
        if (error == ENOSYS || status.ok())
            statxUnavailable.store(true, std::memory_order_relaxed);
        return status;
    }
#endif
    (void)fresh;  // stat has no way to ask past a cache
    return StatAtPortable(folderFd, path, followLinks);
}

}  // namespace miravel
