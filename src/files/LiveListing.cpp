#include "files/LiveListing.h"

#include <QTimer>
#include <algorithm>

#include "files/NaturalOrder.h"
#include "files/RowOrder.h"
#include "platform/FileSystem.h"
#include "platform/FolderWatcher.h"

namespace miravel {

namespace {

// Past this many names at once, and half the listing, reading the folder again is cheaper.
constexpr qsizetype kMostNamesLookedUp = 4096;

template <typename Item, typename NameOf>
void SortInListingOrder(std::vector<Item>& items, NameOf nameOf) {
    NaturalNameOrder order;
    order.Reserve(items.size());
    for (const Item& item : items)
        order.Add(nameOf(item));
    std::vector<quint32> sourceOf = order.SortedIndexes();
    ApplyRowOrder(items, sourceOf);
}

// Where name goes among the sorted names: the first not before it.
template <typename Items, typename NameOf>
size_t LowerBound(const Items& items, const QString& name, NameOf nameOf) {
    size_t low = 0;
    size_t high = size_t(items.size());
    while (low < high) {
        const size_t middle = low + (high - low) / 2;
        if (CompareInListingOrder(nameOf(items[qsizetype(middle)]), name) < 0)
            low = middle + 1;
        else
            high = middle;
    }
    return low;
}

const QString& EntryName(const ListingEntry& entry) {
    return entry.name;
}

const QString& Itself(const QString& name) {
    return name;
}

}  // namespace

int CompareInListingOrder(const QString& left, const QString& right) {
    return CompareNamesNaturally(left, right);
}

LiveListing::LiveListing(FileSystem& fileSystem, QObject* parent)
    : QObject(parent), fileSystem_(fileSystem), gather_(new QTimer(this)) {
    gather_->setSingleShot(true);
    gather_->setInterval(kGatherMs);
    connect(gather_, &QTimer::timeout, this, &LiveListing::ApplyPendingChanges);
}

LiveListing::~LiveListing() = default;

bool LiveListing::IsWatched() const {
    return watcher_ && watcher_->IsWatching();
}

void LiveListing::Open(const QString& folder) {
    folder_ = folder;
    watcher_.reset();
    Read();
}

void LiveListing::Refresh() {
    Read();
}

void LiveListing::Watch() {
    watcher_ = fileSystem_.WatchFolder(folder_);
    if (!watcher_)
        return;
    connect(watcher_.get(), &FolderWatcher::EntriesChanged, this, &LiveListing::NoteNames);
    connect(watcher_.get(), &FolderWatcher::EventsLost, this, &LiveListing::NoteLoss);
    connect(watcher_.get(), &FolderWatcher::FolderGone, this, &LiveListing::NoteLoss);
}

void LiveListing::Read() {
    gather_->stop();
    pending_.clear();
    pendingReread_ = false;
    // The old listing goes first, so that two are never held at once.
    std::vector<ListingEntry>().swap(entries_);
    folders_.clear();
    read_ = false;
    if (!folder_.isEmpty()) {
        // Watching first: what changes during the reading is then told afterwards.
        if (!IsWatched())
            Watch();
        FolderContents contents = fileSystem_.ReadFolder(folder_);
        read_ = contents.ok;
        localTime_ = std::make_unique<LocalTimeConverter>();
        entries_.reserve(contents.files.size());
        for (ListedFile& file : contents.files)
            entries_.push_back(MakeEntry(std::move(file.name), file.stat));
        std::vector<ListedFile>().swap(contents.files);
        SortInListingOrder(entries_, EntryName);
        folders_ = std::move(contents.folders);
        std::sort(folders_.begin(), folders_.end(), [](const QString& a, const QString& b) {
            return CompareInListingOrder(a, b) < 0;
        });
    }
    ListingChange change;
    change.reset = true;
    change.foldersChanged = true;
    Q_EMIT Changed(change);
}

ListingEntry LiveListing::MakeEntry(QString name, const FileStat& stat) {
    ListingEntry entry;
    entry.type = TypeIndex(name);
    entry.name = std::move(name);
    entry.size = stat.size;
    entry.created = localTime_->Convert(stat.createdSecs);
    entry.modified = localTime_->Convert(stat.modifiedSecs);
    return entry;
}

quint32 LiveListing::TypeIndex(const QString& name) {
    QString text = typeDescriptions_.Describe(name);
    const void* key = text.constData();
    if (auto found = typeIndexes_.constFind(key); found != typeIndexes_.constEnd())
        return *found;
    const auto index = quint32(typeTexts_.size());
    typeTexts_.push_back(std::move(text));
    typeIndexes_.insert(key, index);
    return index;
}

qsizetype LiveListing::IndexOf(const QString& name) const {
    const size_t at = LowerBound(entries_, name, EntryName);
    if (at < entries_.size() && entries_[at].name == name)
        return qsizetype(at);
    return -1;
}

void LiveListing::NoteNames(const QStringList& names) {
    for (const QString& name : names)
        pending_.insert(name);
    if (!gather_->isActive())
        gather_->start();
}

void LiveListing::NoteLoss() {
    pendingReread_ = true;
    pending_.clear();
    if (!gather_->isActive())
        gather_->start();
}

void LiveListing::ApplyPendingChanges() {
    if (watcher_)
        watcher_->ReadPendingEvents();
    gather_->stop();
    if (pendingReread_) {
        Read();
        return;
    }
    if (pending_.isEmpty())
        return;
    QStringList names(pending_.begin(), pending_.end());
    pending_.clear();
    if (names.size() > kMostNamesLookedUp && size_t(names.size()) > entries_.size() / 2) {
        Read();
        return;
    }
    Patch(names);
}

void LiveListing::Patch(const QStringList& names) {
    const std::vector<EntryStatus> statuses = fileSystem_.StatEntries(folder_, names);
    ListingChange change;
    std::vector<size_t> removals;
    std::vector<ListingEntry> additions;
    for (qsizetype i = 0; i < names.size(); ++i) {
        const QString& name = names[i];
        const EntryStatus& status = statuses[size_t(i)];
        const qsizetype at = IndexOf(name);
        if (status.kind == EntryStatus::Kind::File) {
            ListingEntry entry = MakeEntry(name, status.stat);
            if (at < 0) {
                additions.push_back(std::move(entry));
                change.added.append(name);
            } else if (!entries_[size_t(at)].SameStateAs(entry)) {
                entries_[size_t(at)] = std::move(entry);
                change.changed.append(name);
            }
        } else if (at >= 0) {
            removals.push_back(size_t(at));
            change.removed.append(name);
        }

        const size_t folderAt = LowerBound(folders_, name, Itself);
        const bool listedFolder =
            folderAt < size_t(folders_.size()) && folders_[qsizetype(folderAt)] == name;
        if (status.kind == EntryStatus::Kind::Folder && !listedFolder) {
            folders_.insert(qsizetype(folderAt), name);
            change.foldersChanged = true;
        } else if (status.kind != EntryStatus::Kind::Folder && listedFolder) {
            folders_.removeAt(qsizetype(folderAt));
            change.foldersChanged = true;
        }
    }

    RemoveAt(std::move(removals));
    MergeIn(std::move(additions));

    if (!change.IsEmpty())
        Q_EMIT Changed(change);
}

void LiveListing::RemoveAt(std::vector<size_t> removals) {
    if (removals.empty())
        return;
    std::sort(removals.begin(), removals.end());
    size_t next = 0;
    size_t kept = 0;
    for (size_t i = 0; i < entries_.size(); ++i) {
        if (next < removals.size() && removals[next] == i) {
            while (next < removals.size() && removals[next] == i)
                ++next;
            continue;
        }
        if (kept != i)
            entries_[kept] = std::move(entries_[i]);
        ++kept;
    }
    entries_.resize(kept);
}

void LiveListing::MergeIn(std::vector<ListingEntry> additions) {
    if (additions.empty())
        return;
    // Sorted among themselves, then merged in from the back in one pass.
    SortInListingOrder(additions, EntryName);
    std::vector<size_t> places(additions.size());
    for (size_t j = 0; j < additions.size(); ++j)
        places[j] = LowerBound(entries_, additions[j].name, EntryName);
    size_t old = entries_.size();
    entries_.resize(old + additions.size());
    size_t write = entries_.size();
    for (size_t j = additions.size(); j-- > 0;) {
        while (old > places[j])
            entries_[--write] = std::move(entries_[--old]);
        entries_[--write] = std::move(additions[j]);
    }
}

void LiveListing::CollectNotifications() {
    if (watcher_)
        watcher_->ReadPendingEvents();
}

void LiveListing::ApplyRenames(const std::vector<std::pair<QString, QString>>& renames) {
    // The system queues a rename's notifications as it is made, so every one of the run's own
    // is read here. Another program's change to one of these names during the run goes with
    // them; the caller applies what was pending before the run first.
    CollectNotifications();
    for (const auto& [oldName, newName] : renames) {
        pending_.remove(oldName);
        pending_.remove(newName);
    }
    // A run of thousands looks its names up in one table of the listing's names rather than
    // by a search each, once the table costs less than the searches.
    QHash<QStringView, size_t> byName;
    if (renames.size() >= kFewestRenamesForTable && renames.size() * 32 >= entries_.size()) {
        byName.reserve(qsizetype(entries_.size()));
        for (size_t i = 0; i < entries_.size(); ++i)
            byName.insert(entries_[i].name, i);
    }
    auto find = [&](const QString& name) -> qsizetype {
        if (byName.isEmpty())
            return IndexOf(name);
        const auto found = byName.constFind(name);
        return found == byName.cend() ? -1 : qsizetype(*found);
    };
    // Every renamed file leaves before any arrives, so that names passed on within one run
    // (a to b, b to c) land where they belong. A rename keeps the file's size and times.
    std::vector<size_t> removals;
    std::vector<ListingEntry> moved;
    removals.reserve(renames.size());
    moved.reserve(renames.size());
    for (const auto& [oldName, newName] : renames) {
        const qsizetype at = find(oldName);
        if (at < 0)
            continue;
        removals.push_back(size_t(at));
        ListingEntry& entry = moved.emplace_back(entries_[size_t(at)]);
        entry.type = TypeIndex(newName);
        entry.name = newName;
    }
    for (const ListingEntry& entry : moved)
        if (const qsizetype taken = find(entry.name); taken >= 0)
            removals.push_back(size_t(taken));
    byName.clear();
    RemoveAt(std::move(removals));
    MergeIn(std::move(moved));
}

}  // namespace miravel
