#pragma once

#include <QList>
#include <QStringList>
#include <QUrl>

namespace miravel {

// The paths of the local files and folders among the addresses a file manager dropped, in the
// order dropped, as the file names read from the disk: bytes that are not UTF-8 survive.
// Addresses of other machines and of the web, and relative paths, are passed over.
QStringList LocalPathsOfUrls(const QList<QUrl>& urls);

}  // namespace miravel
