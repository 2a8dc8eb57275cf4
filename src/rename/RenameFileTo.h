#pragma once

#include <QString>

#include "platform/FileSystem.h"

namespace miravel {

class MessageBoxes;

// Renames folder/oldName to newName in the same folder. A failure, or a name that must not
// reach the system (empty, "." or "..", with "/" or NUL), or an old name that now names a
// folder, is shown in an error box with the given title; a rename with nothing to do passes
// silently. The outcome is returned for the callers that must undo something of their own on
// failure.
RenameOutcome RenameFileTo(FileSystem& fileSystem, MessageBoxes& messages, const QString& title,
                           const QString& folder, const QString& oldName, const QString& newName);

}  // namespace miravel
