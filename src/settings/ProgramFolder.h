#pragma once

#include <QString>

namespace miravel {

// True for the system's folders of programs (/usr, /opt, /bin, /sbin and below): a program
// there was installed for every user by a package or an administrator.
bool IsSystemProgramFolder(const QString& folder);

// A program installed system-wide: in a system folder, or in a folder the user cannot write.
// A copy run from its build, or unpacked into a folder of its own, is not.
bool IsInstalledProgram(const QString& appFolder, bool appFolderWritable);

}  // namespace miravel
