#pragma once

#include "settings/LockedFileUpdate.h"
#include "settings/SettingsFileLocation.h"
#include "settings/SettingsValues.h"

#include <QString>

namespace miravel {

// The values of `section` in the settings file. A key that is missing, empty or not text keeps
// its default; a file that is missing, unreadable, not a settings file or whose section is not
// understood gives the defaults whole. A file that is not a regular file (a FIFO, a folder) is
// never opened for reading; a line on stderr says so. Nothing else is reported: the worst case
// is a start with the defaults.
SettingsValues LoadSettings(const QString& file, const QString& section,
                            const SettingsValues& defaults);

// Writes the eight keys of `section` and leaves every other byte of the file as it was. Safe
// against other instances saving at the same moment and against a crash or a full disk midway:
// the old file stays whole unless the new one is complete. A file that is not a settings file,
// or whose section is not understood, is never rewritten; nor is one that is not a regular file
// (a line on stderr says so), nor one behind a link of another user. Nothing is reported to the
// user; the result is for tests.
bool SaveSettings(const QString& file, const QString& section, const SettingsValues& values,
                  const FileUpdateHooks* hooks = nullptr);

// Saves into paths.writeTo; when a link of another user stands there, into paths.userFile
// instead, so that a link planted while the program ran gets nothing either.
bool SaveSettings(const SettingsFilePaths& paths, const QString& section,
                  const SettingsValues& values);

}  // namespace miravel
