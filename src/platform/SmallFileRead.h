#pragma once

#include <QByteArray>
#include <QString>

namespace miravel {

// What stands at a path that the program reads and replaces as a whole, such as its settings.
enum class FileKind {
    Missing,
    Regular,      // a regular file, or a link to one that this user or the system made
    NotRegular,   // a FIFO, folder, device or socket (or a link to one): opening it may block
    ForeignLink,  // a link that another user made, and so may have aimed at this user's files
    Failed,       // cannot be examined or read: no access, a loop of links, too large, I/O error
};

struct ResolvedFile {
    FileKind kind = FileKind::Failed;
    // The file itself in native bytes: the path, or where the links of this user and of the
    // system lead.
    QByteArray nativePath;
};

// Follows the links at the end of the path only as long as each belongs to the user running
// the program or to root. Links inside the folders of the path are the system's business.
ResolvedFile ResolveFile(const QString& path);

struct SmallFile {
    FileKind kind = FileKind::Failed;
    QByteArray bytes;  // the content when kind is Regular
};

// The content of a regular file of at most maxSize bytes, found as ResolveFile finds it and
// opened without blocking and without following a link that appeared since; anything else is
// never read.
SmallFile ReadSmallFile(const QString& path, qsizetype maxSize);
SmallFile ReadSmallFile(const ResolvedFile& file, qsizetype maxSize);

}  // namespace miravel
