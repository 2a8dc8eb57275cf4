#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>

namespace miravel {

// The folders offered as drives, from the text of /proc/self/mountinfo: "/", the home folder
// and the root of its volume, and the real (not pseudo) volumes mounted under /media, /mnt
// and /run/media. Sorted, without duplicates.
QStringList DriveRootsFromMountInfo(QByteArrayView mountInfo, const QString& homeFolder);

// The index of the root that holds the folder most closely (the longest that contains it);
// -1 when none does.
int RootIndexFor(const QStringList& roots, const QString& folder);

}  // namespace miravel
