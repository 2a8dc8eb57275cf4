#include "rename/InPlaceRename.h"

#include <cerrno>

#include "platform/FileSystem.h"
#include "platform/SystemErrorText.h"
#include "rename/FileNameRules.h"
#include "rename/RenameTexts.h"

namespace miravel {

namespace {

// Only the emptiness test trims; the name itself keeps its spaces.
bool IsBlank(const QString& text) {
    for (QChar c : text)
        if (c != QLatin1Char(' '))
            return false;
    return true;
}

InPlaceRenameResult Refused(QStringView text, bool editOver = false) {
    InPlaceRenameResult result;
    result.editOver = editOver;
    result.refusal = text.toString();
    return result;
}

}  // namespace

InPlaceRenameResult RenameInPlace(FileSystem& fileSystem, const QString& folder,
                                  const QString& originalName, const QString& newText,
                                  const EditedRow& row) {
    const QString previousName = row.name();
    if (IsBlank(newText))
        return Refused(rename_texts::EnterFileName);
    const QString prefix = FolderPrefix(folder);
    if (!CheckFileNameChars(newText))
        return Refused(rename_texts::ForbiddenChars);
    if (newText == originalName)
        return {};
    if (fileSystem.FileExists(prefix + newText))
        return Refused(rename_texts::FileNameExists);

    // From here on a failure puts the old name back and ends the edit.
    if (!row.setName(newText))
        return Refused(rename_texts::RowNameInUse, true);
    std::optional<QString> failure = BareNameProblem(newText);
    if (!failure)
        failure = BareNameProblem(originalName);
    // A folder that has taken the row's name since the fill is not the file being edited.
    if (!failure && fileSystem.FolderExists(prefix + originalName))
        failure = SystemErrorText(EISDIR);
    RenameOutcome outcome;
    if (!failure) {
        outcome = fileSystem.RenameInFolder(folder, originalName, newText);
        if (outcome.kind == RenameOutcome::Kind::Failed)
            failure = outcome.error;
    }
    InPlaceRenameResult result;
    result.editOver = true;
    if (outcome.Succeeded()) {
        result.renamed = true;
        return result;
    }
    row.setName(previousName);
    result.refusal = failure;
    return result;
}

}  // namespace miravel
