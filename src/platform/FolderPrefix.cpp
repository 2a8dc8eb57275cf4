#include "platform/FileSystem.h"

namespace miravel {

QString FolderPrefix(const QString& folder) {
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

}  // namespace miravel
