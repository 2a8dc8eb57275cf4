#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

namespace miravel {

// Test seams of a locked update; the program never sets them.
struct FileUpdateHooks {
    // Runs once the new content sits complete and synced in the temporary file, just before
    // that file replaces the old one.
    std::function<void()> beforeReplace;
    // When it returns true, writing the new content fails as on a full disk.
    std::function<bool()> failWrite;
};

enum class FileUpdateResult {
    Replaced,   // the file now holds the new content
    Unchanged,  // the new content equals the old, or `change` declined: the file was not touched
    Failed,     // nothing was changed
};

// Read-modify-write of a small file that several processes may update at once. Under an
// exclusive lock on path + ".lock", reads the file (nothing when it does not exist) and asks
// `change` for its new content (nothing: leave the file as it is). The new content is written
// to a temporary file in the same folder, synced, and renamed over the old file, so that a
// crash, a kill or a full disk at any moment leaves either the old or the new file, whole.
// A file larger than maxSize is left alone. A link is followed, so the file it names is replaced
// and the link stays.
FileUpdateResult UpdateFileLocked(
    const QString& path, qsizetype maxSize,
    const std::function<std::optional<QByteArray>(const std::optional<QByteArray>& current)>&
        change,
    const FileUpdateHooks* hooks = nullptr);

}  // namespace miravel
