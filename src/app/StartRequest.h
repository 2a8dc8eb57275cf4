#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace miravel {

class FileSystem;

enum class PathKind { Missing, Folder, File };

// What the path names on the disk.
PathKind KindOfPath(const FileSystem& fileSystem, const QString& path);

// What the command line asks of a start.
struct StartRequest {
    enum class Action {
        Start,       // open the window
        Help,        // print `output` and exit
        Version,     // print `output` and exit
        UsageError,  // print `output` to the error stream and exit with a failure
    };
    Action action = Action::Start;
    QString output;
    QString folder;            // the folder to open; empty: the remembered one
    QStringList selectNames;   // the files of `folder` to select; empty: every file
    QStringList missing;       // arguments that name no folder or file
    QStringList otherFolders;  // folders and files left out: one folder opens at a time
};

// Reads the program's arguments, the program's own name first. Relative paths are taken from
// workingFolder; kindOf tells what an absolute path names. The first argument that names a
// folder or a file decides the folder: that folder, or the file's folder with the files named in
// it selected. Help and version win over arguments and unknown options, so that they answer
// even beside options that only the toolkit knows.
StartRequest ReadStartRequest(const QStringList& arguments, const QString& workingFolder,
                              const std::function<PathKind(const QString&)>& kindOf,
                              const QString& nameAndVersion);

// What the paths ask to open, as the arguments of a start do: relative paths are taken from
// workingFolder, and the first path that names a folder or a file decides the folder. Also used
// for what a file manager drops onto the window.
StartRequest OpenRequestForPaths(const QStringList& arguments, const QString& workingFolder,
                                 const std::function<PathKind(const QString&)>& kindOf);

// The message that tells the user which arguments were not opened; empty when all were.
QString StartRequestNotice(const StartRequest& request);

}  // namespace miravel
