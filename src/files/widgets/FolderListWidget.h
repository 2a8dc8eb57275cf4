#pragma once

#include <QListWidget>
#include <QString>
#include <QStringList>

namespace miravel {

class FileSystem;

// The folder list: the current folder's ancestors, the folder itself and its sub-folders.
// Activating an entry (double-click, Enter) opens it; entries are indented by their level.
// A folder dropped from a file manager opens; dropped files open their folder.
class FolderListWidget : public QListWidget {
    Q_OBJECT

  public:
    // Opens what a file manager dropped; false when nothing in it could be opened.
    bool OpenDropped(const QMimeData& payload);

    FolderListWidget(FileSystem& fileSystem, QWidget* parent = nullptr);

    QString Path() const { return path_; }
    // Opens the folder; announces PathChanged only when the path changes.
    void SetPath(const QString& path);

    // Pixels each level of the folder tree is indented by.
    static constexpr int kLevelIndent = 12;
    static constexpr int kLevelRole = Qt::UserRole + 2;

  Q_SIGNALS:
    void PathChanged(const QString& path);
    // Files dropped onto the list, after their folder has been opened: names inside Path().
    void FilesDropped(const QStringList& names);

  protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void Rebuild();
    QListWidgetItem* AddEntry(const QIcon& icon, const QString& name, const QString& path,
                              int level);

    FileSystem& fileSystem_;
    QString path_;
};

}  // namespace miravel
