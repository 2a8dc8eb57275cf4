#pragma once

#include "settings/LockedFileUpdate.h"
#include "settings/SettingsValues.h"

#include <QString>

namespace miravel {

// The values of `section` in the settings file. A key that is missing or empty keeps its
// default; a file that is missing, unreadable or not a settings file gives the defaults whole.
// Nothing is reported: the worst case is a start with the defaults.
SettingsValues LoadSettings(const QString& file, const QString& section,
                            const SettingsValues& defaults);

// Writes the eight keys of `section` and leaves every other byte of the file as it was. Safe
// against other instances saving at the same moment and against a crash or a full disk midway:
// the old file stays whole unless the new one is complete. A file that is not a settings file
// is never rewritten. Nothing is reported to the user; the result is for tests.
bool SaveSettings(const QString& file, const QString& section, const SettingsValues& values,
                  const FileUpdateHooks* hooks = nullptr);

}  // namespace miravel
