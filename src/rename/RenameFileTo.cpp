#include "rename/RenameFileTo.h"

#include <cerrno>

#include "platform/SystemErrorText.h"
#include "rename/FileNameRules.h"

namespace miravel {

RenameOutcome TryRenameFileTo(FileSystem& fileSystem, const QString& folder, const QString& oldName,
                              const QString& newName) {
    std::optional<QString> problem = BareNameProblem(newName);
    if (!problem)
        problem = BareNameProblem(oldName);
    // Rows are files: a folder that has taken a row's name since the fill is not what the user
    // chose to rename.
    if (!problem && fileSystem.FolderExists(FolderPrefix(folder) + oldName))
        problem = SystemErrorText(EISDIR);
    if (problem)
        return {RenameOutcome::Kind::Failed, *problem};
    return fileSystem.RenameInFolder(folder, oldName, newName);
}

}  // namespace miravel
