#include "platform/NoReplaceRename.h"

#include <fcntl.h>
#include <unistd.h>
#include <QHash>
#include <QRandomGenerator>
#include <cerrno>
#include <cstdio>
#ifdef __linux__
#include <sys/syscall.h>
#endif

#include "platform/FileNameCodec.h"
#include "platform/FileStatus.h"
#include "platform/PlatformTexts.h"
#include "platform/SystemErrorText.h"

#if defined(__linux__) && !defined(RENAME_NOREPLACE)
#define RENAME_NOREPLACE (1 << 0)
#endif

namespace miravel {

namespace {

// 0 or errno; EINVAL or ENOSYS where the system or the file system lacks the flag.
int PlainNoReplaceRename(int folderFd, const char* from, const char* to) {
#if defined(__linux__) && defined(SYS_renameat2)
    // Through syscall() so that C libraries without the renameat2 wrapper work too.
    if (::syscall(SYS_renameat2, folderFd, from, folderFd, to, RENAME_NOREPLACE) == 0)
        return 0;
    return errno;
#elif defined(__APPLE__) && defined(RENAME_EXCL)
    return ::renameatx_np(folderFd, from, folderFd, to, RENAME_EXCL) == 0 ? 0 : errno;
#else
    (void)folderFd;
    (void)from;
    (void)to;
    return ENOSYS;
#endif
}

bool MeansNoHardLinks(int error) {
    return error == EPERM || error == EOPNOTSUPP || error == ENOTSUP || error == ENOSYS;
}

// Both names show one file's state: its type, size and times, and a link count that counts
// them both. A link sets the change time to the moment it was made, so another file that
// matches all of this is not to be met in practice.
bool SameState(const FileStatus& a, const FileStatus& b) {
    return a.ok() && b.ok() && a.mode == b.mode && a.links >= 2 && a.links == b.links &&
           a.stat.size == b.stat.size && a.stat.modifiedSecs == b.stat.modifiedSecs &&
           a.modifiedNsecs == b.modifiedNsecs && a.changedSecs == b.changedSecs &&
           a.changedNsecs == b.changedNsecs;
}

RenameStep SystemFailure(int error, bool noHardLinks = false) {
    RenameStep step;
    step.error = error;
    step.noHardLinks = noHardLinks;
    return step;
}

RenameStep OldNameKept() {
    RenameStep step;
    step.oldNameKept = true;
    return step;
}

RenameStep LinkThenUnlink(int folderFd, const QByteArray& from, const QByteArray& to,
                          const RenameSeams& seams) {
    // Looks fresh from the file system throughout: a FUSE or network file system may answer
    // from a cache that the link has just made stale.
    const FileStatus before = LookAt(folderFd, from, seams, true);
    if (!before.ok())
        return SystemFailure(before.error);
    if (::linkat(folderFd, from.constData(), folderFd, to.constData(), 0) != 0) {
        const int error = errno;
        return SystemFailure(error, MeansNoHardLinks(error));
    }
    // The new name is ours: the link fails wherever any entry has it. The old name may be
    // removed only once it is shown to lead to the file still, and some file systems number
    // the names of a file rather than the file (FUSE without stable inode numbers).
    if (seams.afterLink)
        seams.afterLink();
    const FileStatus linked = LookAt(folderFd, to, seams, true);
    const FileStatus old = LookAt(folderFd, from, seams, true);
    if (!linked.ok())
        return SystemFailure(old.ok() ? linked.error : old.error);
    if (!old.ok())
        // Another program took the old name away; the file lives on under the new one.
        return old.error == ENOENT ? RenameStep{} : OldNameKept();
    bool oursToRemove = old.SameFileAs(linked);
    if (!oursToRemove) {
        // Where the numbers are the file's, the new name showing the number the old one had
        // proves that ours kept only the new name and another file has the old one now.
        if (linked.SameFileAs(before))
            return {};
        // Numbers per name: the old name still has the number it had (nothing took its place)
        // and both names show the state of one file.
        oursToRemove = old.SameFileAs(before) && SameState(old, linked);
    }
    if (!oursToRemove)
        return OldNameKept();
    if (::unlinkat(folderFd, from.constData(), 0) != 0) {
        const int error = errno;
        // Both names lead to the file now; take the new one back so nothing seems renamed.
        if (LookAt(folderFd, to, seams).SameFileAs(linked) &&
            LookAt(folderFd, from, seams).SameFileAs(old))
            ::unlinkat(folderFd, to.constData(), 0);
        return SystemFailure(error);
    }
    return {};
}

QByteArray TemporaryName() {
    return ".miravel-" + QByteArray::number(QRandomGenerator::global()->generate(), 16) + ".tmp";
}

RenameOutcome Failed(QString text) {
    return {RenameOutcome::Kind::Failed, std::move(text)};
}

}  // namespace

FileStatus LookAt(int folderFd, const QByteArray& name, const RenameSeams& seams, bool fresh) {
    FileStatus status = StatAt(folderFd, name.constData(), false, fresh);
    if (seams.inodePerName && status.ok())
        status.inode ^= ino_t(qHash(name, 1));
    return status;
}

RenameStep RenameNoReplace(int folderFd, const QByteArray& from, const QByteArray& to,
                           const RenameSeams& seams) {
    const int error = seams.noReplaceUnsupported
                          ? EINVAL
                          : PlainNoReplaceRename(folderFd, from.constData(), to.constData());
    if (error == 0) {
        RenameStep step;
        step.moved = true;
        return step;
    }
    if (error != EINVAL && error != ENOSYS)
        return SystemFailure(error);
    return LinkThenUnlink(folderFd, from, to, seams);
}

QString DescribeRenameFailure(const RenameStep& step) {
    if (step.oldNameKept)
        return platform_texts::OldNameKept.toString();
    const QString system = SystemErrorText(step.error);
    return step.noHardLinks ? platform_texts::NoSafeRename.toString().arg(system) : system;
}

RenameOutcome RenameViaTemporaryName(int folderFd, const QByteArray& from, const QByteArray& to,
                                     const RenameSeams& seams) {
    QByteArray temporary;
    RenameStep first;
    for (int attempt = 0; attempt < 16; ++attempt) {
        temporary = TemporaryName();
        first = RenameNoReplace(folderFd, from, temporary, seams);
        if (first.error != EEXIST)
            break;
    }
    if (!first.ok())
        return Failed(DescribeRenameFailure(first));

    const RenameStep second = RenameNoReplace(folderFd, temporary, to, seams);
    if (second.ok())
        return {RenameOutcome::Kind::Renamed, {}};
    const RenameStep back = RenameNoReplace(folderFd, temporary, from, seams);
    if (back.ok())
        return Failed(DescribeRenameFailure(second));
    return Failed(platform_texts::LeftUnderTemporaryName.toString().arg(
        DescribeRenameFailure(second), DecodeFileName(temporary)));
}

}  // namespace miravel
