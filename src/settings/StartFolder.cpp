#include "settings/StartFolder.h"

namespace miravel {

QString StartFolder(const QString& savedFolder, const QString& appFolder,
                    const std::function<bool(const QString&)>& folderExists) {
    return !savedFolder.isEmpty() && folderExists(savedFolder) ? savedFolder : appFolder;
}

}  // namespace miravel
