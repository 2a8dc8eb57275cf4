#include <fcntl.h>
#include <sys/stat.h>
#include <cerrno>

#include "platform/FileNameCodec.h"
#include "platform/FileStatus.h"
#include "platform/FileSystem.h"
#include "platform/SystemErrorText.h"

namespace miravel {

namespace {

FileStatus FailedWith(int error) {
    FileStatus status;
    status.error = error;
    return status;
}

std::optional<FileIdentity> Identity(const FileStatus& status, QString* error) {
    if (!status.ok()) {
        if (error)
            *error = SystemErrorText(status.error);
        return std::nullopt;
    }
    return status.Identity();
}

}  // namespace

std::optional<FileIdentity> FileSystem::IdentityOf(const QString& folder, const QString& name,
                                                   QString* error) const {
    const bool held = heldFolderFd_ >= 0 && folder == heldFolder_;
    const QByteArray encoded = EncodeFileName(held ? name : FolderPrefix(folder) + name);
    if (encoded.contains('\0') || name.isEmpty() || name.contains(u'/'))
        return Identity(FailedWith(EINVAL), error);
    return Identity(StatAt(held ? heldFolderFd_ : AT_FDCWD, encoded.constData(), false), error);
}

std::optional<FileIdentity> FileSystem::FolderIdentity(const QString& folder) const {
    FileStatus status;
    if (heldFolderFd_ >= 0 && folder == heldFolder_) {
        struct stat st;
        if (::fstat(heldFolderFd_, &st) == 0) {
            status.device = st.st_dev;
            status.inode = st.st_ino;
        } else {
            status.error = errno;
        }
    } else {
        const QByteArray encoded = EncodeFileName(folder);
        status = encoded.contains('\0') ? FailedWith(EINVAL)
                                        : StatAt(AT_FDCWD, encoded.constData(), true);
        if (status.ok() && !status.IsFolder())
            status = FailedWith(ENOTDIR);
    }
    if (!status.ok())
        return std::nullopt;
    return FileIdentity{quint64(status.device), quint64(status.inode), 0, 0};
}

}  // namespace miravel
