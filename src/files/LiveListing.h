#pragma once

#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>
#include <memory>
#include <utility>
#include <vector>

#include "files/ListingEntry.h"
#include "platform/FileSystem.h"
#include "platform/LocalTime.h"
#include "platform/TypeDescriptions.h"

class QTimer;

namespace miravel {

class FileSystem;
class FolderWatcher;

// A folder's files and sub-folders, read once and then kept current by the system's change
// notifications: the files named in them are looked at again, a burst of them at once. Where
// notifications are lost, or the folder itself goes, the folder is read again; where the
// system sends none (network and FUSE file systems send none and cannot be told apart),
// Refresh reads it again. Files are kept in the file list's name order.
class LiveListing : public QObject {
    Q_OBJECT

  public:
    explicit LiveListing(FileSystem& fileSystem, QObject* parent = nullptr);
    ~LiveListing() override;

    // Reads the folder and watches it from now on; an empty path lists nothing.
    void Open(const QString& folder);
    // Reads the folder again.
    void Refresh();
    // Applies the notifications that arrived, those the system holds for us included, without
    // waiting for others of their burst.
    void ApplyPendingChanges();
    // Takes the notifications the system holds into what is pending, without applying them:
    // called while a long run renames, so that the system's queue never overflows with the
    // run's own notifications and forces a reading again.
    void CollectNotifications();
    // Files this program renamed (old name, new name), taken in at once without a look at the
    // disk and without Changed: whoever renamed them shows the result. Their own
    // notifications, all queued by now, are dropped rather than looked up again.
    void ApplyRenames(const std::vector<std::pair<QString, QString>>& renames);

    const QString& Folder() const { return folder_; }
    // False when the folder could not be read to its end; it then lists nothing.
    bool IsRead() const { return read_; }
    bool IsWatched() const;
    const std::vector<ListingEntry>& Entries() const { return entries_; }
    // Sub-folders (links to folders included) in name order.
    const QStringList& Folders() const { return folders_; }
    const QString& TypeText(quint32 type) const { return typeTexts_[type]; }
    // The index of the file of that name in Entries(), -1 when none.
    qsizetype IndexOf(const QString& name) const;

    // How long notifications wait for others of the same burst before they are applied.
    static constexpr int kGatherMs = 30;
    // Fewer renames than this are looked up by a search each.
    static constexpr size_t kFewestRenamesForTable = 64;

  Q_SIGNALS:
    void Changed(const ListingChange& change);

  private:
    void Read();
    void Watch();
    void NoteNames(const QStringList& names);
    void NoteLoss();
    void Patch(const QStringList& names);
    void RemoveAt(std::vector<size_t> removals);
    void MergeIn(std::vector<ListingEntry> additions);
    ListingEntry MakeEntry(QString name, const FileStat& stat);
    quint32 TypeIndex(const QString& name);

    FileSystem& fileSystem_;
    QString folder_;
    bool read_ = false;
    std::vector<ListingEntry> entries_;
    QStringList folders_;

    // Type texts are few: the entries keep their index.
    TypeDescriptions typeDescriptions_;
    std::vector<QString> typeTexts_;
    QHash<const void*, quint32> typeIndexes_;  // by the shared text's data, which stays alive
    std::unique_ptr<LocalTimeConverter> localTime_;

    std::unique_ptr<FolderWatcher> watcher_;
    QSet<QString> pending_;
    bool pendingReread_ = false;
    QTimer* gather_ = nullptr;
};

}  // namespace miravel
