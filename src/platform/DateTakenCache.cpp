#include "platform/DateTakenCache.h"

namespace miravel {

std::optional<LocalDateTime> DateTakenCache::DateOf(const QString& path) {
    const std::optional<PhotoFile> file = PhotoFile::Open(path);
    if (!file)
        return std::nullopt;
    {
        const std::lock_guard lock(mutex_);
        const auto found = dates_.find(file->identity());
        if (found != dates_.end())
            return found->second;
    }
    // Read outside the lock, so that other threads go on meanwhile.
    const std::optional<LocalDateTime> date = file->ReadDateTaken();
    const std::lock_guard lock(mutex_);
    ++filesRead_;
    if (dates_.size() >= kMaxEntries)
        dates_.clear();
    dates_.insert_or_assign(file->identity(), date);
    return date;
}

qint64 DateTakenCache::FilesRead() const {
    const std::lock_guard lock(mutex_);
    return filesRead_;
}

}  // namespace miravel
