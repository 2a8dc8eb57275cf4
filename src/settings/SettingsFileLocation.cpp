#include "settings/SettingsFileLocation.h"

#include "settings/ProgramFolder.h"
#include "settings/SettingsValues.h"

#include <QDir>
#include <QFileInfo>

namespace miravel {

namespace {

QString SettingsFileIn(const QString& folder) {
    return folder.isEmpty() ? QString() : QDir(folder).filePath(QLatin1String(kSettingsFileName));
}

}  // namespace

SettingsFilePaths SettingsFileLocation(const QString& appFolder, const QString& userConfigFolder,
                                       const SettingsFileFacts& facts) {
    const QString appFile = SettingsFileIn(appFolder);
    const QString userFile = SettingsFileIn(userConfigFolder);
    const SettingsFilePaths userOnly{userFile, userFile, userFile};
    if (IsSystemProgramFolder(appFolder) || facts.appFile == FileKind::ForeignLink)
        return userOnly;
    if (facts.appFile == FileKind::Missing)
        return facts.appFolderWritable ? SettingsFilePaths{appFile, appFile, userFile} : userOnly;
    if (facts.appFolderWritable && facts.appFileWritable)
        return {appFile, appFile, userFile};
    return {facts.userFileExists ? userFile : appFile, userFile, userFile};
}

SettingsFilePaths SettingsFileLocation(const QString& appFolder, const QString& userConfigFolder) {
    const QString appFile = SettingsFileIn(appFolder);
    SettingsFileFacts facts;
    facts.appFolderWritable = QFileInfo(appFolder).isWritable();
    facts.appFile = ResolveFile(appFile).kind;
    facts.appFileWritable = QFileInfo(appFile).isWritable();
    const QString userFile = SettingsFileIn(userConfigFolder);
    facts.userFileExists = !userFile.isEmpty() && ResolveFile(userFile).kind != FileKind::Missing;
    return SettingsFileLocation(appFolder, userConfigFolder, facts);
}

}  // namespace miravel
