#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>

namespace miravel {

// The folders offered as drives, from the text of /proc/self/mountinfo: "/", the home folder
// and the root of its volume, and the real (not pseudo) volumes mounted under /media, /mnt
// and /run/media. Sorted, without duplicates.
QStringList DriveRootsFromMountInfo(QByteArrayView mountInfo, const QString& homeFolder);

}  // namespace miravel
