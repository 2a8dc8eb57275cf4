#pragma once

#include <QString>
#include <functional>

namespace miravel {

// The folder shown first: the saved one while it still exists, else the fallback folder.
QString StartFolder(const QString& savedFolder, const QString& fallbackFolder,
                    const std::function<bool(const QString&)>& folderExists);

// The folder shown when no saved folder can be. An installed program (IsInstalledProgram)
// shows the user's home folder: its own folder is the system's, one run away from renaming
// system programs. A copy in a folder of its own shows that folder.
QString FallbackStartFolder(const QString& appFolder, bool appFolderWritable,
                            const QString& homeFolder);

// The same with the program's folder asked of the disk.
QString FallbackStartFolder(const QString& appFolder, const QString& homeFolder);

}  // namespace miravel
