#include "rename/InPlaceRename.h"

#include <cerrno>

#include "platform/FileSystem.h"
#include "platform/MessageBoxes.h"
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

QString Title() {
    return rename_texts::RenameErrorTitle.toString();
}

}  // namespace

InPlaceRename::InPlaceRename(FileSystem& fileSystem, MessageBoxes& messages)
    : fileSystem_(fileSystem), messages_(messages) {}

bool InPlaceRename::BeforeEdit(const QString& rowName) {
    if (rowName != editOriginalName_) {
        editOriginalName_ = rowName;
        return true;
    }
    editOriginalName_.clear();
    return false;
}

void InPlaceRename::Refuse(const QString& text) {
    messages_.Error(text, Title());
}

bool InPlaceRename::AfterEdit(const QString& folder, const QString& newText, const EditedRow& row) {
    const QString previousName = row.name();
    if (IsBlank(newText)) {
        Refuse(rename_texts::EnterFileName.toString());
        return false;
    }
    const QString prefix = FolderPrefix(folder);
    if (!CheckFileNameChars(newText)) {
        Refuse(rename_texts::ForbiddenChars.toString());
        return false;
    }
    if (newText == editOriginalName_)
        return false;
    if (fileSystem_.FileExists(prefix + newText)) {
        Refuse(rename_texts::FileNameExists.toString());
        return false;
    }

    // From here on a failure puts the old name back and forgets the edit.
    if (!row.setName(newText)) {
        editOriginalName_.clear();
        Refuse(rename_texts::RowNameInUse.toString());
        return false;
    }
    std::optional<QString> failure = BareNameProblem(newText);
    if (!failure)
        failure = BareNameProblem(editOriginalName_);
    // A folder that has taken the row's name since the fill is not the file being edited.
    if (!failure && fileSystem_.FolderExists(prefix + editOriginalName_))
        failure = SystemErrorText(EISDIR);
    RenameOutcome outcome;
    if (!failure) {
        outcome = fileSystem_.RenameInFolder(folder, editOriginalName_, newText);
        if (outcome.kind == RenameOutcome::Kind::Failed)
            failure = outcome.error;
    }
    editOriginalName_.clear();
    if (outcome.Succeeded())
        return true;
    row.setName(previousName);
    if (failure)
        Refuse(*failure);
    return false;
}

}  // namespace miravel
