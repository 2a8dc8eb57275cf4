#include "rename/RenameFileTo.h"

namespace miravel {

RenameOutcome TryRenameFileTo(FileSystem& fileSystem, const QString& folder, const QString& oldName,
                              const QString& newName) {
    // Rows are files: a folder that has taken a row's name since the fill is not what the user
    // chose to rename, and the adapter turns it away in the look it makes for the identity.
    return fileSystem.RenameFileInFolder(folder, oldName, newName);
}

}  // namespace miravel
