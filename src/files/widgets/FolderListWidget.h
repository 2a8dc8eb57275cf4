#pragma once

#include <QListWidget>
#include <QString>

namespace miravel {

class FileSystem;

// The folder list: the current folder's ancestors, the folder itself and its sub-folders.
// Activating an entry (double-click, Enter) opens it.
class FolderListWidget : public QListWidget {
    Q_OBJECT

  public:
    FolderListWidget(FileSystem& fileSystem, QWidget* parent = nullptr);

    QString Path() const { return path_; }
    // Opens the folder; announces PathChanged only when the path changes.
    void SetPath(const QString& path);

  Q_SIGNALS:
    void PathChanged(const QString& path);

  private:
    void Rebuild();

    FileSystem& fileSystem_;
    QString path_;
};

}  // namespace miravel
