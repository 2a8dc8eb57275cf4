#include "settings/SettingsFileLocation.h"

#include "settings/SettingsValues.h"

#include <QDir>
#include <QFileInfo>

namespace miravel {

SettingsFilePaths SettingsFileLocation(const QString& appFolder, const QString& userConfigFolder,
                                       const std::function<bool(const QString&)>& isWritable,
                                       const std::function<bool(const QString&)>& exists) {
    const QString appFile = QDir(appFolder).filePath(QLatin1String(kSettingsFileName));
    // Replacing the file is a rename inside its folder, so the folder must be writable; a
    // read-only file is a wish of the administrator and is respected.
    const bool appUsable = isWritable(appFolder) && (!exists(appFile) || isWritable(appFile));
    if (appUsable || userConfigFolder.isEmpty())
        return {appFile, appFile};
    const QString userFile = QDir(userConfigFolder).filePath(QLatin1String(kSettingsFileName));
    return {exists(userFile) ? userFile : appFile, userFile};
}

SettingsFilePaths SettingsFileLocation(const QString& appFolder, const QString& userConfigFolder) {
    return SettingsFileLocation(
        appFolder, userConfigFolder,
        [](const QString& path) { return QFileInfo(path).isWritable(); },
        [](const QString& path) { return QFileInfo::exists(path); });
}

}  // namespace miravel
