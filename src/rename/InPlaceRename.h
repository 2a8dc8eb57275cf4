#pragma once

#include <QString>
#include <functional>

namespace miravel {

class FileSystem;
class MessageBoxes;

// The table row whose name is being edited.
struct EditedRow {
    std::function<QString()> name;
    // Gives the row another name, which is also its key; false when the table refuses it
    // because another row has that name.
    std::function<bool(const QString& name)> setName;
};

// Renaming one file by editing its name in the table. The edit is checked, the row takes the
// new name, and the file is renamed without ever replacing another; on any failure the row
// gets its old name back. Every box is titled "名前の変更エラー".
class InPlaceRename {
  public:
    InPlaceRename(FileSystem& fileSystem, MessageBoxes& messages);

    // Before an edit of the row named rowName opens; false refuses it. An edit of the row
    // whose last edit ended without a rename is refused once, silently.
    bool BeforeEdit(const QString& rowName);
    // After the user commits newText in folder; true when the file now has that name and the
    // row shows it, false when the row keeps its old name.
    bool AfterEdit(const QString& folder, const QString& newText, const EditedRow& row);

    // The name of the row whose edit is in progress (empty when none is remembered).
    const QString& EditOriginalName() const { return editOriginalName_; }

  private:
    void Refuse(const QString& text);

    FileSystem& fileSystem_;
    MessageBoxes& messages_;
    QString editOriginalName_;
};

}  // namespace miravel
