#include "files/DroppedPaths.h"

#include <QDir>
#include <QFileInfo>

namespace miravel {

DroppedPaths FolderForDroppedUrls(const QList<QUrl>& urls,
                                  const std::function<bool(const QString&)>& isFolder,
                                  const std::function<bool(const QString&)>& isFile) {
    QStringList files;
    for (const QUrl& url : urls) {
        if (!url.isLocalFile())
            continue;
        const QString path = QDir::cleanPath(url.toLocalFile());
        if (!QDir::isAbsolutePath(path))
            continue;
        if (isFolder(path))
            return {path, {}};
        if (isFile(path))
            files << path;
    }
    DroppedPaths dropped;
    for (const QString& path : files) {
        const QFileInfo info(path);
        if (dropped.folder.isEmpty())
            dropped.folder = info.path();
        if (info.path() == dropped.folder && !dropped.files.contains(info.fileName()))
            dropped.files << info.fileName();
    }
    return dropped;
}

}  // namespace miravel
