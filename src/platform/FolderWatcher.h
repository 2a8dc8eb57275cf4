#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QSocketNotifier;

namespace miravel {

// The system's change notifications for the entries of one folder (inotify on Linux). Names
// are reported as they come, one signal per batch the system hands over; what they now are
// is for the receiver to look up.
class FolderWatcher : public QObject {
    Q_OBJECT

  public:
    explicit FolderWatcher(QObject* parent = nullptr);
    ~FolderWatcher() override;
    FolderWatcher(const FolderWatcher&) = delete;
    FolderWatcher& operator=(const FolderWatcher&) = delete;

    // Starts watching; false when the system has no notifications for the folder, or none
    // left for this user.
    bool Watch(const QString& folder);
    bool IsWatching() const { return fd_ >= 0; }

    // Reads what the system has queued now, without waiting for the event loop to offer it.
    void ReadPendingEvents() { ReadEvents(); }

    // Test seam: reports a lost batch as the system does when its queue overflows.
    void InjectOverflow();

  Q_SIGNALS:
    // Entries created, removed, renamed in or out, written or changed in their attributes.
    void EntriesChanged(const QStringList& names);
    // Notifications were lost: anything may have changed.
    void EventsLost();
    // The folder itself was removed, renamed or unmounted; the watch has ended.
    void FolderGone();

  private:
    void ReadEvents();
    void HandleBuffer(const char* buffer, size_t length);
    void Stop();

    int fd_ = -1;
    int watch_ = -1;
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace miravel
