#include "rename/RenameFileTo.h"

#include <cerrno>

#include "platform/MessageBoxes.h"
#include "platform/SystemErrorText.h"
#include "rename/FileNameRules.h"

namespace miravel {

RenameOutcome RenameFileTo(FileSystem& fileSystem, MessageBoxes& messages, const QString& title,
                           const QString& folder, const QString& oldName, const QString& newName) {
    std::optional<QString> problem = BareNameProblem(newName);
    if (!problem)
        problem = BareNameProblem(oldName);
    // Rows are files: a folder that has taken a row's name since the fill is not what the user
    // chose to rename.
    if (!problem && fileSystem.FolderExists(FolderPrefix(folder) + oldName))
        problem = SystemErrorText(EISDIR);
    if (problem) {
        messages.Error(*problem, title);
        return {RenameOutcome::Kind::Failed, *problem};
    }
    RenameOutcome outcome = fileSystem.RenameInFolder(folder, oldName, newName);
    if (outcome.kind == RenameOutcome::Kind::Failed)
        messages.Error(outcome.error, title);
    return outcome;
}

}  // namespace miravel
