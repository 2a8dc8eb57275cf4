#include "settings/LockedFileUpdate.h"

namespace miravel {

namespace {

// A process that holds the lock longer than this is stuck; the save gives up rather than hang
// the exit.
constexpr int kLockWaitMs = 10000;

}  // namespace

FileUpdateResult UpdateFileLocked(
    const QString& path, qsizetype maxSize,
    const std::function<std::optional<QByteArray>(const std::optional<QByteArray>& current)>&
        change,
    const FileUpdateHooks* hooks) {
    LockedFile file(path, maxSize, kLockWaitMs);
    if (!file.Locked())
        return FileUpdateResult::Failed;
    std::optional<QByteArray> current;
    switch (file.Current().kind) {
        case FileKind::Regular:
            current = file.Current().bytes;
            break;
        case FileKind::Missing:
            break;
        case FileKind::NotRegular:
            return FileUpdateResult::NotRegular;
        case FileKind::ForeignLink:
            return FileUpdateResult::ForeignLink;
        case FileKind::Failed:
            return FileUpdateResult::Failed;
    }

    const std::optional<QByteArray> next = change(current);
    if (!next || (current && *current == *next))
        return FileUpdateResult::Unchanged;
    return file.Replace(*next, hooks) ? FileUpdateResult::Replaced : FileUpdateResult::Failed;
}

}  // namespace miravel
