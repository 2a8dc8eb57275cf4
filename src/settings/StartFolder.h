#pragma once

#include <QString>
#include <functional>

namespace miravel {

// The folder shown first: the saved one while it still exists, else the application folder.
QString StartFolder(const QString& savedFolder, const QString& appFolder,
                    const std::function<bool(const QString&)>& folderExists);

}  // namespace miravel
