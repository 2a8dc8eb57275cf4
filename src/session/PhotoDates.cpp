#include "session/PhotoDates.h"

#include "platform/FileSystem.h"
#include "platform/WorkProgress.h"

namespace miravel {

PhotoDates::PhotoDates(QObject* parent) : QObject(parent), reader_(cache_) {
    connect(&reader_, &DateTakenReader::datesRead, this,
            [this](quint64, const QList<DateTakenEntry>& entries) {
                for (const DateTakenEntry& entry : entries) {
                    known_.insert(entry.name, entry.taken);
                    pending_.remove(entry.name);
                }
                Q_EMIT DatesArrived();
            });
}

std::optional<std::optional<LocalDateTime>> PhotoDates::Known(const QString& name) const {
    const auto found = known_.constFind(name);
    if (found == known_.cend())
        return std::nullopt;
    return *found;
}

void PhotoDates::UseFolder(const QString& folder) {
    if (folder == folder_)
        return;
    Forget();
    folder_ = folder;
}

void PhotoDates::Request(const QString& folder, const QStringList& names) {
    UseFolder(folder);
    bool more = false;
    for (const QString& name : names) {
        if (!known_.contains(name) && !pending_.contains(name)) {
            pending_.insert(name);
            more = true;
        }
    }
    if (!more)
        return;
    // A new read replaces the one running, so it carries what that one had still to read.
    reader_.Read(folder, QStringList(pending_.cbegin(), pending_.cend()));
}

QHash<QString, std::optional<LocalDateTime>> PhotoDates::ReadNow(const QString& folder,
                                                                 const QStringList& names,
                                                                 WorkProgress* progress) {
    UseFolder(folder);
    // Every file is asked again, so that a file replaced under its name is read anew.
    const QString prefix = FolderPrefix(folder);
    QHash<QString, std::optional<LocalDateTime>> dates;
    dates.reserve(names.size());
    ProgressScope scope(progress, names.size());
    qint64 done = 0;
    for (const QString& name : names) {
        const std::optional<LocalDateTime> taken = cache_.DateOf(prefix + name);
        dates.insert(name, taken);
        known_.insert(name, taken);
        scope.Advance(++done);
    }
    return dates;
}

void PhotoDates::Forget() {
    reader_.Cancel();
    known_.clear();
    pending_.clear();
}

}  // namespace miravel
