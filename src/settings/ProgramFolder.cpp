#include "settings/ProgramFolder.h"

#include <QDir>

namespace miravel {

bool IsSystemProgramFolder(const QString& folder) {
    const QString clean = QDir::cleanPath(folder);
    for (const char* root : {"/usr", "/opt", "/bin", "/sbin"}) {
        const QLatin1String prefix(root);
        if (clean == prefix || clean.startsWith(prefix + QLatin1Char('/')))
            return true;
    }
    return false;
}

bool IsInstalledProgram(const QString& appFolder, bool appFolderWritable) {
    return IsSystemProgramFolder(appFolder) || !appFolderWritable;
}

}  // namespace miravel
