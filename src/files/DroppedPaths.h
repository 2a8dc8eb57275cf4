#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>

namespace miravel {

// What a drop of file manager entries opens: a folder, and the files of it to select.
struct DroppedPaths {
    QString folder;     // empty: nothing to open
    QStringList files;  // names inside folder, in the order dropped
};

// The first dropped folder opens as it is; dropped files open their folder with the files of
// that folder selected (files of other folders are left out). Entries that are not local
// files, or no longer exist, are passed over.
DroppedPaths FolderForDroppedUrls(const QList<QUrl>& urls,
                                  const std::function<bool(const QString&)>& isFolder,
                                  const std::function<bool(const QString&)>& isFile);

}  // namespace miravel
