#include "platform/NoReplaceRename.h"

#include <fcntl.h>
#include <unistd.h>
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

bool SameEntry(int folderFd, const char* a, const char* b) {
    return StatAt(folderFd, a, false).SameFileAs(StatAt(folderFd, b, false));
}

RenameStep LinkThenUnlink(int folderFd, const char* from, const char* to) {
    if (::linkat(folderFd, from, folderFd, to, 0) != 0) {
        const int error = errno;
        return {error, MeansNoHardLinks(error)};
    }
    // Should another program have put a different file under the old name meanwhile, that
    // name is no longer ours to remove (and our file already lives on only under the new one).
    if (!SameEntry(folderFd, from, to))
        return {};
    if (::unlinkat(folderFd, from, 0) != 0) {
        const int error = errno;
        // Both names lead to the file now; take the new one back so nothing seems renamed.
        if (SameEntry(folderFd, from, to))
            ::unlinkat(folderFd, to, 0);
        return {error, false};
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

RenameStep RenameNoReplace(int folderFd, const QByteArray& from, const QByteArray& to,
                           bool simulateNoReplaceUnsupported) {
    const int error = simulateNoReplaceUnsupported
                          ? EINVAL
                          : PlainNoReplaceRename(folderFd, from.constData(), to.constData());
    if (error == 0)
        return {};
    if (error != EINVAL && error != ENOSYS)
        return {error, false};
    return LinkThenUnlink(folderFd, from.constData(), to.constData());
}

QString DescribeRenameFailure(const RenameStep& step) {
    const QString system = SystemErrorText(step.error);
    return step.noHardLinks ? texts::kNoSafeRename.arg(system) : system;
}

RenameOutcome RenameViaTemporaryName(int folderFd, const QByteArray& from, const QByteArray& to,
                                     bool simulateNoReplaceUnsupported) {
    QByteArray temporary;
    RenameStep first;
    for (int attempt = 0; attempt < 16; ++attempt) {
        temporary = TemporaryName();
        first = RenameNoReplace(folderFd, from, temporary, simulateNoReplaceUnsupported);
        if (first.error != EEXIST)
            break;
    }
    if (!first.ok())
        return Failed(DescribeRenameFailure(first));

    const RenameStep second =
        RenameNoReplace(folderFd, temporary, to, simulateNoReplaceUnsupported);
    if (second.ok())
        return {RenameOutcome::Kind::Renamed, {}};
    const RenameStep back =
        RenameNoReplace(folderFd, temporary, from, simulateNoReplaceUnsupported);
    if (back.ok())
        return Failed(DescribeRenameFailure(second));
    return Failed(texts::kLeftUnderTemporaryName.arg(DescribeRenameFailure(second),
                                                     DecodeFileName(temporary)));
}

}  // namespace miravel
