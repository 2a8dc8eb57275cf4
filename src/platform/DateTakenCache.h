#pragma once

#include <QString>
#include <map>
#include <mutex>
#include <optional>

#include "platform/LocalTime.h"
#include "platform/PhotoDate.h"

namespace miravel {

// The photos' dates taken, each version of a file (FileIdentity) read once. Safe on several
// threads at once.
class DateTakenCache {
  public:
    // The date of the file at the path, asking the file only for a version not seen before;
    // nothing for a file without one and for a path that is not a regular file.
    std::optional<LocalDateTime> DateOf(const QString& path);

    // How many times a file itself was read.
    qint64 FilesRead() const;

  private:
    // Enough for the largest folders; past it the cache starts again rather than grow
    // without end over a long session.
    static constexpr size_t kMaxEntries = size_t(1) << 18;

    mutable std::mutex mutex_;
    std::map<FileIdentity, std::optional<LocalDateTime>> dates_;
    qint64 filesRead_ = 0;
};

}  // namespace miravel
