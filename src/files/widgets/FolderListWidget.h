#pragma once

#include <QListWidget>
#include <QString>
#include <QStringList>

namespace miravel {

// The folder list: the current folder's ancestors, the folder itself and its sub-folders as
// the folder's session lists them, each indented by its level. Activating an entry
// (double-click, Enter) opens it. Folders and files dropped from a file manager are handed on
// to be opened.
class FolderListWidget : public QListWidget {
    Q_OBJECT

  public:
    explicit FolderListWidget(QWidget* parent = nullptr);

    QString Path() const { return path_; }
    // Opens the folder; announces PathChanged only when the path changes.
    void SetPath(const QString& path);
    // Shows the folder with these sub-folders (in the order given), announcing nothing.
    void ShowFolder(const QString& path, const QStringList& subFolders);

    // Pixels each level of the folder tree is indented by, and the role that holds the level.
    static constexpr int kLevelIndent = 12;
    static constexpr int kLevelRole = Qt::UserRole + 2;

  Q_SIGNALS:
    void PathChanged(const QString& path);
    // Local folders and files a file manager dropped here, in the order dropped.
    void PathsDropped(const QStringList& paths);

  protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void Rebuild();
    void AddEntry(const QIcon& icon, const QString& name, const QString& path, int level);

    QString path_;
    QStringList subFolders_;
};

}  // namespace miravel
