#pragma once

#include <QString>
#include <functional>
#include <optional>

namespace miravel {

class FileSystem;

// The table row whose name is being edited.
struct EditedRow {
    std::function<QString()> name;
    // Gives the row another name, which is also its key; false when the table refuses it
    // because another row has that name.
    std::function<bool(const QString& name)> setName;
};

struct InPlaceRenameResult {
    bool renamed = false;  // the file now has the new name and the row shows it
    // False when the edit was refused before the row took the new name: the view then refuses
    // the next edit of the same row once.
    bool editOver = false;
    std::optional<QString> refusal;  // the text of the error box, titled "名前の変更エラー"
};

// Renames one file after its name was edited in the table from originalName to newText. The
// edit is checked, the row takes the new name, and the file is renamed without ever replacing
// another; on any failure the row gets its old name back.
InPlaceRenameResult RenameInPlace(FileSystem& fileSystem, const QString& folder,
                                  const QString& originalName, const QString& newText,
                                  const EditedRow& row);

}  // namespace miravel
