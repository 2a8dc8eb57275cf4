#include "platform/LockedFile.h"

#include "platform/FileNameCodec.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QRandomGenerator>
#include <QThread>
#include <cerrno>
#include <cstring>

namespace miravel {

namespace {

constexpr int kLockPollMs = 10;
const char kTempInfix[] = ".saving-";

QByteArray FolderOf(const QByteArray& path) {
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0)
        return ".";
    return slash == 0 ? QByteArray("/") : path.first(slash);
}

QByteArray NameOf(const QByteArray& path) {
    return path.sliced(path.lastIndexOf('/') + 1);
}

int OpenFolder(const QByteArray& folder) {
    return ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
}

// Temporary files of saves that were killed before their rename; only lock holders write such
// files, so while we hold the lock none of them is in use.
void RemoveLeftovers(const QByteArray& target) {
    const UniqueFd folder(OpenFolder(FolderOf(target)));
    if (!folder.valid())
        return;
    DIR* entries = ::fdopendir(::dup(folder.get()));
    if (!entries)
        return;
    const QByteArray prefix = NameOf(target) + kTempInfix;
    while (const dirent* entry = ::readdir(entries)) {
        if (std::strncmp(entry->d_name, prefix.constData(), size_t(prefix.size())) == 0)
            ::unlinkat(folder.get(), entry->d_name, 0);
    }
    ::closedir(entries);
}

bool WriteAll(int fd, const QByteArray& bytes) {
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, static_cast<size_t>(left));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += written;
        left -= written;
    }
    return true;
}

int CreateTemp(const QByteArray& target, QByteArray* tempPath) {
    const QByteArray base = target + kTempInfix;
    for (int attempt = 0; attempt < 100; ++attempt) {
        *tempPath = base + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        const int fd = ::open(tempPath->constData(),
                              O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

void SyncFolder(const QByteArray& target) {
    const UniqueFd folder(OpenFolder(FolderOf(target)));
    if (folder.valid())
        ::fsync(folder.get());
}

}  // namespace

LockedFile::LockedFile(const QString& path, qsizetype maxSize, int lockWaitMs)
    : folder_(OpenFolder(FolderOf(EncodeFileName(path)))) {
    if (!folder_.valid())
        return;
    for (int waited = 0;; waited += kLockPollMs) {
        if (::flock(folder_.get(), LOCK_EX | LOCK_NB) == 0)
            break;
        if ((errno != EWOULDBLOCK && errno != EINTR) || waited >= lockWaitMs)
            return;
        QThread::msleep(kLockPollMs);
    }
    locked_ = true;
    file_ = ResolveFile(path);
    if (file_.kind == FileKind::Regular || file_.kind == FileKind::Missing)
        RemoveLeftovers(file_.nativePath);
    current_ = ReadSmallFile(file_, maxSize);
}

bool LockedFile::Replace(const QByteArray& bytes, const FileUpdateHooks* hooks) {
    if (!locked_ || (current_.kind != FileKind::Regular && current_.kind != FileKind::Missing))
        return false;
    const QByteArray& target = file_.nativePath;
    QByteArray tempPath;
    UniqueFd temp(CreateTemp(target, &tempPath));
    if (!temp.valid())
        return false;
    bool ok = true;
    // The new file keeps the old one's permissions, but never its set-id or sticky bits.
    struct stat old {};
    if (::lstat(target.constData(), &old) == 0 && S_ISREG(old.st_mode))
        ok = ::fchmod(temp.get(), old.st_mode & 0777) == 0;
    const bool writeFails = hooks && hooks->failWrite && hooks->failWrite();
    ok = ok && !writeFails && WriteAll(temp.get(), bytes) && ::fsync(temp.get()) == 0;
    ok = (::close(temp.release()) == 0) && ok;
    if (ok && hooks && hooks->beforeReplace)
        hooks->beforeReplace();
    ok = ok && ::rename(tempPath.constData(), target.constData()) == 0;
    if (!ok) {
        ::unlink(tempPath.constData());
        return false;
    }
    SyncFolder(target);
    return true;
}

}  // namespace miravel
