#include "rename/FolderEntriesRead.h"

#include <QSet>

#include "platform/FileSystem.h"

namespace miravel {

namespace {

// The name with the case of its letters turned; itself when it has no cased letter.
QString OtherCase(const QString& name) {
    const QString upper = name.toUpper();
    return upper != name ? upper : name.toLower();
}

// Few entries are asked: one with a cased letter answers for the whole folder.
constexpr int kProbes = 3;

}  // namespace

bool FolderIgnoresCase(const FileSystem& fileSystem, const QString& folder,
                       const QStringList& names) {
    const QSet<QString> present(names.cbegin(), names.cend());
    const QString prefix = FolderPrefix(folder);
    int probes = 0;
    for (const QString& name : names) {
        const QString other = OtherCase(name);
        if (other == name)
            continue;
        // Two entries that differ only in case can live side by side only where case counts.
        if (present.contains(other))
            return false;
        if (fileSystem.IsSameFile(prefix + name, prefix + other))
            return true;
        if (++probes == kProbes)
            break;
    }
    return false;
}

FolderEntries ReadFolderEntries(const FileSystem& fileSystem, const QString& folder,
                                const QStringList& knownNames) {
    FolderEntries entries;
    entries.names = fileSystem.EntryNames(folder).value_or(knownNames);
    entries.ignoresCase = FolderIgnoresCase(fileSystem, folder, entries.names);
    const QString prefix = FolderPrefix(folder);
    entries.sameFile = [&fileSystem, prefix](const QString& nameA, const QString& nameB) {
        return fileSystem.IsSameFile(prefix + nameA, prefix + nameB);
    };
    return entries;
}

}  // namespace miravel
