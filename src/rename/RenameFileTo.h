#pragma once

#include <QString>

#include "platform/FileSystem.h"

namespace miravel {

// Renames folder/oldName to newName in the same folder. A name that must not reach the system
// (empty, "." or "..", with "/" or NUL) fails before any system call, and an old name that
// now names a folder before anything is renamed, with the text an error box shows; a rename
// with nothing to do passes. A rename tells the renamed file's identity, for undo.
RenameOutcome TryRenameFileTo(FileSystem& fileSystem, const QString& folder, const QString& oldName,
                              const QString& newName);

}  // namespace miravel
