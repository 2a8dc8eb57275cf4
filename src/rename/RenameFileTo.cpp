#include "rename/RenameFileTo.h"

#include "rename/FileNameRules.h"

namespace miravel {

RenameOutcome TryRenameFileTo(FileSystem& fileSystem, const QString& folder, const QString& oldName,
                              const QString& newName) {
    // Checked here as well as in the adapter: such a name never reaches any file system.
    std::optional<QString> problem = BareNameProblem(newName);
    if (!problem)
        problem = BareNameProblem(oldName);
    if (problem)
        return {RenameOutcome::Kind::Failed, *problem};
    // Rows are files: a folder that has taken a row's name since the fill is not what the user
    // chose to rename, and the adapter turns it away in the look it makes for the identity.
    return fileSystem.RenameFileInFolder(folder, oldName, newName);
}

}  // namespace miravel
