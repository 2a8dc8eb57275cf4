#pragma once

#include <QString>
#include <functional>

namespace miravel {

struct SettingsFilePaths {
    QString readFrom;
    QString writeTo;
};

// Where rename.ini lives: in the application folder, where all users of an installation share
// it, as long as we can replace it there (the folder writable, and the file, when present, not
// read-only). Otherwise in the user's configuration folder; until a first save creates it
// there, the values are read from the application folder's file.
SettingsFilePaths SettingsFileLocation(const QString& appFolder, const QString& userConfigFolder);

// The same with the file-system questions answered by the caller.
SettingsFilePaths SettingsFileLocation(const QString& appFolder, const QString& userConfigFolder,
                                       const std::function<bool(const QString&)>& isWritable,
                                       const std::function<bool(const QString&)>& exists);

}  // namespace miravel
