#pragma once

#include <QString>

#include "rename/RenamePlan.h"

namespace miravel {

class FileSystem;

// The folder as a plan sees it: every entry's name, whether the file system ignores letter
// case there, and a same-file test through the file system. When the folder cannot be read,
// the given names (the rows as last listed) stand in for its entries.
FolderEntries ReadFolderEntries(const FileSystem& fileSystem, const QString& folder,
                                const QStringList& knownNames);

// Whether the folder's file system treats names differing only in letter case as one name,
// found out on one of its entries; false when no entry can tell.
bool FolderIgnoresCase(const FileSystem& fileSystem, const QString& folder,
                       const QStringList& names);

}  // namespace miravel
