#include "settings/LockedFileUpdate.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QThread>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstdio>
#else
#include <QLockFile>
#include <QSaveFile>
#endif

namespace miravel {

namespace {

// A process that holds the lock longer than this is stuck; the save gives up rather than hang
// the exit.
constexpr int kLockWaitMs = 10000;
constexpr int kLockPollMs = 10;

const char kTempInfix[] = ".saving-";

enum class ReadOutcome { Read, Missing, Failed };

ReadOutcome ReadCurrent(const QString& path, qsizetype maxSize, QByteArray* bytes) {
    QFile file(path);
    if (!file.exists())
        return ReadOutcome::Missing;
    if (!file.open(QIODevice::ReadOnly))
        return ReadOutcome::Failed;
    if (file.size() > maxSize)
        return ReadOutcome::Failed;
    *bytes = file.read(maxSize + 1);
    if (bytes->size() > maxSize || file.error() != QFileDevice::NoError)
        return ReadOutcome::Failed;
    return ReadOutcome::Read;
}

QString ResolveTarget(const QString& path) {
    const QFileInfo info(path);
    return info.isSymLink() ? info.symLinkTarget() : path;
}

// Temporary files of saves that were killed before their rename; only lock holders write such
// files, so while we hold the lock none of them is in use.
void RemoveLeftovers(const QString& target) {
    const QFileInfo info(target);
    QDir folder = info.dir();
    const QStringList leftovers =
        folder.entryList({info.fileName() + QLatin1String(kTempInfix) + QLatin1Char('*')},
                         QDir::Files | QDir::Hidden);
    for (const QString& name : leftovers)
        folder.remove(name);
}

#ifdef Q_OS_UNIX

// Locks the settings file's folder itself, so no lock file is left beside the settings where a
// user would see it in the file table.
class ExclusiveLock {
  public:
    explicit ExclusiveLock(const QString& settingsPath) {
        const QString folder = QFileInfo(settingsPath).absolutePath();
        fd_ = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd_ < 0)
            return;
        for (int waited = 0;; waited += kLockPollMs) {
            if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) {
                held_ = true;
                return;
            }
            if ((errno != EWOULDBLOCK && errno != EINTR) || waited >= kLockWaitMs)
                return;
            QThread::msleep(kLockPollMs);
        }
    }
    ~ExclusiveLock() {
        if (fd_ >= 0)
            ::close(fd_);  // also releases the lock
    }
    ExclusiveLock(const ExclusiveLock&) = delete;
    ExclusiveLock& operator=(const ExclusiveLock&) = delete;
    bool Held() const { return held_; }

  private:
    int fd_ = -1;
    bool held_ = false;
};

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

int CreateTemp(const QString& target, QByteArray* tempPath) {
    const QByteArray base = QFile::encodeName(target) + kTempInfix;
    for (int attempt = 0; attempt < 100; ++attempt) {
        *tempPath = base + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        const int fd = ::open(tempPath->constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

void SyncFolder(const QString& target) {
    const int fd = ::open(QFile::encodeName(QFileInfo(target).absolutePath()).constData(),
                          O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

bool ReplaceAtomically(const QString& target, const QByteArray& bytes,
                       const FileUpdateHooks* hooks) {
    const QByteArray targetPath = QFile::encodeName(target);
    QByteArray tempPath;
    const int fd = CreateTemp(target, &tempPath);
    if (fd < 0)
        return false;
    struct stat old {};
    bool ok = true;
    if (::stat(targetPath.constData(), &old) == 0)
        ok = ::fchmod(fd, old.st_mode & 07777) == 0;
    const bool writeFails = hooks && hooks->failWrite && hooks->failWrite();
    ok = ok && !writeFails && WriteAll(fd, bytes) && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    if (ok && hooks && hooks->beforeReplace)
        hooks->beforeReplace();
    ok = ok && ::rename(tempPath.constData(), targetPath.constData()) == 0;
    if (!ok) {
        ::unlink(tempPath.constData());
        return false;
    }
    SyncFolder(target);
    return true;
}

#else

class ExclusiveLock {
  public:
    explicit ExclusiveLock(const QString& settingsPath)
        : lock_(settingsPath + QLatin1String(".lock")) {
        held_ = lock_.tryLock(kLockWaitMs);
    }
    bool Held() const { return held_; }

  private:
    QLockFile lock_;
    bool held_ = false;
};

bool ReplaceAtomically(const QString& target, const QByteArray& bytes,
                       const FileUpdateHooks* hooks) {
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if ((hooks && hooks->failWrite && hooks->failWrite()) || file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        file.commit();
        return false;
    }
    if (hooks && hooks->beforeReplace)
        hooks->beforeReplace();
    return file.commit();
}

#endif

}  // namespace

FileUpdateResult UpdateFileLocked(
    const QString& path, qsizetype maxSize,
    const std::function<std::optional<QByteArray>(const std::optional<QByteArray>& current)>&
        change,
    const FileUpdateHooks* hooks) {
    const ExclusiveLock lock(path);
    if (!lock.Held())
        return FileUpdateResult::Failed;
    const QString target = ResolveTarget(path);
    RemoveLeftovers(target);

    QByteArray bytes;
    const ReadOutcome read = ReadCurrent(target, maxSize, &bytes);
    if (read == ReadOutcome::Failed)
        return FileUpdateResult::Failed;
    const std::optional<QByteArray> current =
        read == ReadOutcome::Read ? std::optional<QByteArray>(bytes) : std::nullopt;

    const std::optional<QByteArray> next = change(current);
    if (!next || (current && *current == *next))
        return FileUpdateResult::Unchanged;
    return ReplaceAtomically(target, *next, hooks) ? FileUpdateResult::Replaced
                                                   : FileUpdateResult::Failed;
}

}  // namespace miravel
