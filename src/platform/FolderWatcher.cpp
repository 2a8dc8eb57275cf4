#include "platform/FolderWatcher.h"

#include <QSocketNotifier>
#include <cerrno>
#include <cstring>
#include <memory>

#include "platform/FileNameCodec.h"
#include "platform/FileSystem.h"

#ifdef __linux__
#include <sys/inotify.h>
#include <unistd.h>
#endif

namespace miravel {

FolderWatcher::FolderWatcher(QObject* parent) : QObject(parent) {}

FolderWatcher::~FolderWatcher() {
    Stop();
}

void FolderWatcher::Stop() {
    // The notifier may be the one whose signal is running now.
    if (notifier_ != nullptr) {
        notifier_->setEnabled(false);
        notifier_->deleteLater();
        notifier_ = nullptr;
    }
#ifdef __linux__
    if (fd_ >= 0)
        ::close(fd_);
#endif
    fd_ = -1;
    watch_ = -1;
}

#ifdef __linux__

namespace {

constexpr uint32_t kEntryEvents =
    IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_CLOSE_WRITE | IN_ATTRIB | IN_MODIFY;
constexpr uint32_t kFolderEvents = IN_DELETE_SELF | IN_MOVE_SELF | IN_UNMOUNT | IN_IGNORED;

}  // namespace

bool FolderWatcher::Watch(const QString& folder) {
    Stop();
    const QByteArray encoded = EncodeFileName(folder);
    if (encoded.isEmpty() || encoded.contains('\0'))
        return false;
    const int fd = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (fd < 0)
        return false;
    const int watch = ::inotify_add_watch(
        fd, encoded.constData(),
        kEntryEvents | IN_DELETE_SELF | IN_MOVE_SELF | IN_ONLYDIR | IN_EXCL_UNLINK);
    if (watch < 0) {
        ::close(fd);
        return false;
    }
    fd_ = fd;
    watch_ = watch;
    notifier_ = new QSocketNotifier(qintptr(fd_), QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &FolderWatcher::ReadEvents);
    return true;
}

void FolderWatcher::ReadEvents() {
    // Aligned for the event structures; large enough for many events per call.
    alignas(inotify_event) char buffer[64 * 1024];
    while (fd_ >= 0) {
        const ssize_t got = ::read(fd_, buffer, sizeof(buffer));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return;  // EAGAIN: drained
        HandleBuffer(buffer, size_t(got));
    }
}

void FolderWatcher::HandleBuffer(const char* buffer, size_t length) {
    QStringList names;
    bool lost = false;
    bool gone = false;
    size_t at = 0;
    while (at + sizeof(inotify_event) <= length) {
        inotify_event event;
        std::memcpy(&event, buffer + at, sizeof(event));
        const char* name = buffer + at + sizeof(inotify_event);
        at += sizeof(inotify_event) + event.len;
        if (at > length)
            break;
        if (event.mask & IN_Q_OVERFLOW) {
            lost = true;
            continue;
        }
        if (event.wd != watch_)
            continue;  // left over from an earlier watch
        if (event.mask & kFolderEvents) {
            gone = true;
            continue;
        }
        if ((event.mask & kEntryEvents) && event.len > 0)
            names.append(
                DecodeFileName(QByteArrayView(name, qsizetype(::strnlen(name, event.len)))));
    }
    // Names before a loss are covered by the reading again that the loss brings.
    if (gone) {
        Stop();
        Q_EMIT FolderGone();
        return;
    }
    if (lost) {
        Q_EMIT EventsLost();
        return;
    }
    if (!names.isEmpty())
        Q_EMIT EntriesChanged(names);
}

void FolderWatcher::InjectOverflow() {
    inotify_event event{};
    event.wd = -1;
    event.mask = IN_Q_OVERFLOW;
    alignas(inotify_event) char buffer[sizeof(inotify_event)];
    std::memcpy(buffer, &event, sizeof(event));
    HandleBuffer(buffer, sizeof(buffer));
}

#else

bool FolderWatcher::Watch(const QString&) {
    return false;
}

void FolderWatcher::ReadEvents() {}

void FolderWatcher::HandleBuffer(const char*, size_t) {}

void FolderWatcher::InjectOverflow() {
    Q_EMIT EventsLost();
}

#endif

std::unique_ptr<FolderWatcher> FileSystem::WatchFolder(const QString& folder) const {
    auto watcher = std::make_unique<FolderWatcher>();
    if (!watcher->Watch(folder))
        return nullptr;
    return watcher;
}

}  // namespace miravel
