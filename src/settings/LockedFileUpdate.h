#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

#include "platform/LockedFile.h"

namespace miravel {

enum class FileUpdateResult {
    Replaced,     // the file now holds the new content
    Unchanged,    // the new content equals the old, or `change` declined: the file was not touched
    Failed,       // nothing was changed
    NotRegular,   // a FIFO, folder, device or socket stands there: left alone, never read
    ForeignLink,  // a link of another user stands there: never followed, left alone
};

// Read-modify-write of a small file that several processes may update at once. Under an
// exclusive lock (LockedFile), reads the file (nothing when it does not exist) and asks `change`
// for its new content (nothing: leave the file as it is), which then replaces the old file
// whole. A file larger than maxSize is left alone. A link of this user or of the system is
// followed, so the file it names is replaced and the link stays.
FileUpdateResult UpdateFileLocked(
    const QString& path, qsizetype maxSize,
    const std::function<std::optional<QByteArray>(const std::optional<QByteArray>& current)>&
        change,
    const FileUpdateHooks* hooks = nullptr);

}  // namespace miravel
