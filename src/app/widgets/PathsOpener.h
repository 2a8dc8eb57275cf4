#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

namespace miravel {

class DriveBox;
class FileSystem;
class FileTableItemModel;
class FileTableView;
class FolderSession;
class MessageBoxes;

// Opens what the command line or a drop from a file manager names: the folder through the
// session, with the named files selected, and tells once the window is free which paths were
// left out.
class PathsOpener : public QObject {
    Q_OBJECT

  public:
    struct Parts {
        FolderSession* session;
        DriveBox* drives;
        FileTableView* view;
        FileTableItemModel* model;
        const FileSystem* fileSystem;
        MessageBoxes* messages;
        QString caption;
    };
    explicit PathsOpener(const Parts& parts, QObject* parent = nullptr);

    // Opens the folder with the named files of it selected (none named: every file), then shows
    // the notice when there is one.
    void Open(const QString& folder, const QStringList& selectNames, const QString& notice);

  public Q_SLOTS:
    // Absolute paths of folders and files, read as the arguments of a start are.
    void OpenPaths(const QStringList& paths);

  private:
    Parts parts_;
};

}  // namespace miravel
