#include "settings/StartFolder.h"

#include "settings/ProgramFolder.h"

#include <QFileInfo>

namespace miravel {

QString StartFolder(const QString& savedFolder, const QString& fallbackFolder,
                    const std::function<bool(const QString&)>& folderExists) {
    return !savedFolder.isEmpty() && folderExists(savedFolder) ? savedFolder : fallbackFolder;
}

QString FallbackStartFolder(const QString& appFolder, bool appFolderWritable,
                            const QString& homeFolder) {
    return IsInstalledProgram(appFolder, appFolderWritable) && !homeFolder.isEmpty() ? homeFolder
                                                                                     : appFolder;
}

QString FallbackStartFolder(const QString& appFolder, const QString& homeFolder) {
    return FallbackStartFolder(appFolder, QFileInfo(appFolder).isWritable(), homeFolder);
}

}  // namespace miravel
