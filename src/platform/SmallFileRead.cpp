#include "platform/SmallFileRead.h"

#include "platform/FileNameCodec.h"
#include "platform/UniqueFd.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>

namespace miravel {

namespace {

// The kernel gives up after as many links in a row.
constexpr int kMaxLinkHops = 40;

bool MadeByUserOrSystem(uid_t owner) {
    return owner == ::geteuid() || owner == 0;
}

bool ReadLink(const QByteArray& path, QByteArray* target) {
    QByteArray buffer(256, '\0');
    for (;;) {
        const ssize_t length = ::readlink(path.constData(), buffer.data(), size_t(buffer.size()));
        if (length < 0)
            return false;
        if (length < buffer.size()) {
            *target = buffer.first(length);
            return true;
        }
        buffer.resize(buffer.size() * 2);
    }
}

// A relative target counts from the folder of the link.
QByteArray LinkTargetPath(const QByteArray& link, const QByteArray& target) {
    if (target.startsWith('/'))
        return target;
    const qsizetype slash = link.lastIndexOf('/');
    return slash < 0 ? target : link.first(slash + 1) + target;
}

}  // namespace

ResolvedFile ResolveFile(const QString& path) {
    ResolvedFile file;
    file.nativePath = EncodeFileName(path);
    if (file.nativePath.isEmpty()) {
        file.kind = FileKind::Missing;
        return file;
    }
    for (int hop = 0; hop <= kMaxLinkHops; ++hop) {
        struct stat info {};
        if (::lstat(file.nativePath.constData(), &info) != 0) {
            file.kind = errno == ENOENT ? FileKind::Missing : FileKind::Failed;
            return file;
        }
        if (!S_ISLNK(info.st_mode)) {
            file.kind = S_ISREG(info.st_mode) ? FileKind::Regular : FileKind::NotRegular;
            return file;
        }
        if (!MadeByUserOrSystem(info.st_uid)) {
            file.kind = FileKind::ForeignLink;
            return file;
        }
        QByteArray target;
        if (!ReadLink(file.nativePath, &target)) {
            file.kind = FileKind::Failed;
            return file;
        }
        file.nativePath = LinkTargetPath(file.nativePath, target);
    }
    file.kind = FileKind::Failed;
    return file;
}

SmallFile ReadSmallFile(const QString& path, qsizetype maxSize) {
    return ReadSmallFile(ResolveFile(path), maxSize);
}

SmallFile ReadSmallFile(const ResolvedFile& file, qsizetype maxSize) {
    SmallFile result;
    if (file.kind != FileKind::Regular) {
        result.kind = file.kind;
        return result;
    }
    // Without blocking: a FIFO put there since the look above must not hang the program.
    const UniqueFd fd(
        ::open(file.nativePath.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    if (!fd.valid()) {
        if (errno == ENOENT)
            result.kind = FileKind::Missing;
        else if (errno == ELOOP)
            result.kind = FileKind::ForeignLink;  // a link put there since: whose, nobody knows
        else if (errno == ENXIO)
            result.kind = FileKind::NotRegular;  // a socket
        return result;
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0)
        return result;
    if (!S_ISREG(info.st_mode)) {
        result.kind = FileKind::NotRegular;
        return result;
    }
    if (info.st_size > maxSize)
        return result;
    QByteArray bytes;
    bytes.reserve(qsizetype(info.st_size));
    char buffer[16384];
    for (;;) {
        const ssize_t length = ::read(fd.get(), buffer, sizeof buffer);
        if (length < 0 && errno == EINTR)
            continue;
        if (length < 0)
            return result;
        if (length == 0)
            break;
        bytes.append(buffer, length);
        if (bytes.size() > maxSize)
            return result;  // grew while being read
    }
    result.kind = FileKind::Regular;
    result.bytes = std::move(bytes);
    return result;
}

}  // namespace miravel
