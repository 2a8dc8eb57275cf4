#include "platform/FileSystem.h"

#include <fcntl.h>
#include <cerrno>

#include "platform/EntryType.h"
#include "platform/FileNameCodec.h"
#include "platform/FileStatus.h"
#include "platform/FolderReader.h"
#include "platform/NameFilter.h"
#include "platform/SystemErrorText.h"

namespace miravel {

namespace {

// A path with a NUL byte would be cut short by the system call and name another file.
bool Unusable(const QByteArray& encodedPath) {
    return encodedPath.contains('\0');
}

}  // namespace

FolderListing FileSystem::ListFiles(const QString& folder, const NameFilter& filter) const {
    FolderListing listing;
    const QByteArray encoded = EncodeFileName(folder);
    if (Unusable(encoded)) {
        listing.error = SystemErrorText(EINVAL);
        return listing;
    }
    FolderReader reader(encoded);
    if (reader.openError() != 0) {
        listing.error = SystemErrorText(reader.openError());
        return listing;
    }
    while (const dirent* entry = reader.Next()) {
        const EntryType type = TypeOf(entry);
        if (type == EntryType::Folder || type == EntryType::Other)
            continue;
        QString name = DecodeFileName(entry->d_name);
        // Matching first: it is much cheaper than the stat call it saves.
        if (!filter.Accepts(name))
            continue;
        const FileStatus status = StatAt(reader.fd(), entry->d_name, true);
        if (!status.IsRegularFile())
            continue;
        listing.files.push_back({std::move(name), status.stat});
    }
    listing.ok = reader.readError() == 0;
    if (!listing.ok)
        listing.error = SystemErrorText(reader.readError());
    return listing;
}

std::optional<QStringList> FileSystem::EntryNames(const QString& folder) const {
    const QByteArray encoded = EncodeFileName(folder);
    if (Unusable(encoded))
        return std::nullopt;
    FolderReader reader(encoded);
    if (reader.openError() != 0)
        return std::nullopt;
    QStringList names;
    while (const dirent* entry = reader.Next())
        names.append(DecodeFileName(entry->d_name));
    if (reader.readError() != 0)
        return std::nullopt;
    return names;
}

QStringList FileSystem::ListFolders(const QString& folder) const {
    QStringList names;
    const QByteArray encoded = EncodeFileName(folder);
    if (Unusable(encoded))
        return names;
    FolderReader reader(encoded);
    while (const dirent* entry = reader.Next()) {
        switch (TypeOf(entry)) {
            case EntryType::Folder:
                names.append(DecodeFileName(entry->d_name));
                break;
            case EntryType::Link:
            case EntryType::Unknown:
                // Links to folders are browsed like folders.
                if (StatAt(reader.fd(), entry->d_name, true).IsFolder())
                    names.append(DecodeFileName(entry->d_name));
                break;
            case EntryType::File:
            case EntryType::Other:
                break;
        }
    }
    return names;
}

QString FileSystem::FolderAccessError(const QString& folder) const {
    const QByteArray encoded = EncodeFileName(folder);
    if (Unusable(encoded))
        return SystemErrorText(EINVAL);
    FolderReader reader(encoded);
    if (reader.openError() != 0)
        return SystemErrorText(reader.openError());
    reader.Next();
    return reader.readError() != 0 ? SystemErrorText(reader.readError()) : QString();
}

std::optional<FileStat> FileSystem::StatFile(const QString& path) const {
    const QByteArray encoded = EncodeFileName(path);
    if (Unusable(encoded))
        return std::nullopt;
    const FileStatus status = StatAt(AT_FDCWD, encoded.constData(), true);
    if (!status.IsRegularFile())
        return std::nullopt;
    return status.stat;
}

bool FileSystem::FolderExists(const QString& path) const {
    const QByteArray encoded = EncodeFileName(path);
    return !Unusable(encoded) && StatAt(AT_FDCWD, encoded.constData(), true).IsFolder();
}

bool FileSystem::FileExists(const QString& path) const {
    const QByteArray encoded = EncodeFileName(path);
    return !Unusable(encoded) && StatAt(AT_FDCWD, encoded.constData(), true).IsRegularFile();
}

bool FileSystem::IsSameFile(const QString& pathA, const QString& pathB) const {
    const QByteArray encodedA = EncodeFileName(pathA);
    const QByteArray encodedB = EncodeFileName(pathB);
    if (Unusable(encodedA) || Unusable(encodedB))
        return false;
    return StatAt(AT_FDCWD, encodedA.constData(), false)
        .SameFileAs(StatAt(AT_FDCWD, encodedB.constData(), false));
}

}  // namespace miravel
