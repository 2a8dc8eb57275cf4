#pragma once

#include <QString>

#include "platform/SmallFileRead.h"

namespace miravel {

struct SettingsFilePaths {
    QString readFrom;
    QString writeTo;   // empty: the settings are not saved
    QString userFile;  // the user's own file: where they go instead of through a link of another
                       // user; empty without a configuration folder
};

// What the disk says of the places where the settings file could be.
struct SettingsFileFacts {
    bool appFolderWritable = false;
    FileKind appFile = FileKind::Missing;  // rename.ini beside the program
    bool appFileWritable = false;
    bool userFileExists = false;  // rename.ini in the user's configuration folder
};

// Where rename.ini is read and written:
// - a program installed in a system folder (IsSystemProgramFolder) never reads or writes a file
//   beside it: the settings live in the user's configuration folder;
// - so do they when rename.ini beside the program is a link of another user, never followed;
// - a portable copy with rename.ini beside it uses that file, which all users of the copy share,
//   as long as it can be replaced there (the folder writable, and the file not read-only: that
//   is a wish of the administrator). Otherwise the user's file is written, and read once a
//   first save has made it; until then the file beside the program is read;
// - a copy in a folder of its own, writable, makes rename.ini there at the first exit;
// - any other program (installed in a folder the user cannot write) uses the user's file.
SettingsFilePaths SettingsFileLocation(const QString& appFolder, const QString& userConfigFolder,
                                       const SettingsFileFacts& facts);

// The same with the facts asked of the disk.
SettingsFilePaths SettingsFileLocation(const QString& appFolder, const QString& userConfigFolder);

}  // namespace miravel
