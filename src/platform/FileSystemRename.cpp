#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QStringView>
#include <cerrno>
#include <cstring>

#include "platform/FileNameCodec.h"
#include "platform/FileStatus.h"
#include "platform/FileSystem.h"
#include "platform/FolderReader.h"
#include "platform/NoReplaceRename.h"
#include "platform/PlatformTexts.h"
#include "platform/SystemErrorText.h"
#include "platform/UniqueFd.h"

namespace miravel {

namespace {

RenameOutcome Failed(QString text) {
    return {RenameOutcome::Kind::Failed, std::move(text)};
}

// Why a name cannot be a bare name in the folder, or nothing when it can.
std::optional<QString> BareNameProblem(QStringView name) {
    if (name.isEmpty())
        return platform_texts::EmptyFileName.toString();
    if (name == u"." || name == u"..")
        return platform_texts::DotFileName.toString();
    if (name.contains(u'/') || name.contains(QChar(0)))
        return platform_texts::SeparatorInFileName.toString();
    return std::nullopt;
}

// Whether the folder holds an entry of exactly these bytes; nullopt when it cannot be read.
std::optional<bool> HasExactEntry(int folderFd, const QByteArray& name) {
    FolderReader reader = FolderReader::OfDescriptor(folderFd);
    if (reader.openError() != 0)
        return std::nullopt;
    while (const dirent* entry = reader.Next())
        if (std::strcmp(entry->d_name, name.constData()) == 0)
            return true;
    if (reader.readError() != 0)
        return std::nullopt;
    return false;
}

// The new name leads to the very file of the old one: either a second hard link of it, or
// the same entry on a file system that ignores case.
bool IsCaseOnlyAlias(int folderFd, const QString& oldName, const QString& newName,
                     const QByteArray& newBytes) {
    if (const std::optional<bool> exact = HasExactEntry(folderFd, newBytes))
        return !*exact;
    return oldName.compare(newName, Qt::CaseInsensitive) == 0;
}

int OpenFolder(const QByteArray& encodedFolder) {
#ifdef O_PATH
    // O_PATH needs no read permission: renaming in a folder one may write but not list works.
    return ::open(encodedFolder.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
#else
    return ::open(encodedFolder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
#endif
}

}  // namespace

FileSystem::~FileSystem() {
    ReleaseFolder();
}

void FileSystem::HoldFolder(const QString& folder) {
    ReleaseFolder();
    const QByteArray encodedFolder = EncodeFileName(folder);
    if (encodedFolder.contains('\0'))
        return;
    heldFolderFd_ = OpenFolder(encodedFolder);
    if (heldFolderFd_ >= 0)
        heldFolder_ = folder;
}

void FileSystem::ReleaseFolder() {
    if (heldFolderFd_ >= 0)
        ::close(heldFolderFd_);
    heldFolderFd_ = -1;
    heldFolder_.clear();
}

RenameOutcome FileSystem::RenameInFolder(const QString& folder, const QString& oldName,
                                         const QString& newName) {
    return Rename(folder, oldName, newName, false);
}

RenameOutcome FileSystem::RenameFileInFolder(const QString& folder, const QString& oldName,
                                             const QString& newName) {
    return Rename(folder, oldName, newName, true);
}

RenameOutcome FileSystem::Rename(const QString& folder, const QString& oldName,
                                 const QString& newName, bool fileOnly) {
    if (std::optional<QString> problem = BareNameProblem(newName))
        return Failed(*problem);
    if (std::optional<QString> problem = BareNameProblem(oldName))
        return Failed(*problem);
    const bool held = heldFolderFd_ >= 0 && folder == heldFolder_;
    QByteArray encodedFolder;
    if (!held) {
        encodedFolder = EncodeFileName(folder);
        if (encodedFolder.contains('\0'))
            return Failed(SystemErrorText(EINVAL));
    }
    const UniqueFd ownFolderFd(held ? -1 : OpenFolder(encodedFolder));
    if (!held && !ownFolderFd.valid())
        return Failed(SystemErrorText(errno));
    const int folderFd = held ? heldFolderFd_ : ownFolderFd.get();
    const QByteArray from = EncodeFileName(oldName);
    const QByteArray to = EncodeFileName(newName);

    // One look at a file before its rename both turns away a folder that has taken its name
    // and tells the identity the file keeps when the rename moves its entry as it is; only a
    // rename made another way looks at the new name afterwards. A file put in its place
    // between the look and the rename then fails undo's check of identity, and stays.
    std::optional<FileIdentity> before;
    if (fileOnly) {
        const FileStatus look = StatAt(folderFd, from.constData(), false);
        if (look.IsFolder() || (look.ok() && S_ISLNK(look.mode) &&
                                StatAt(folderFd, from.constData(), true).IsFolder()))
            return Failed(SystemErrorText(EISDIR));
        if (look.ok())
            before = look.Identity();
    }
    auto renamed = [&](bool moved) {
        RenameOutcome outcome(RenameOutcome::Kind::Renamed);
        if (fileOnly && moved && before) {
            outcome.identity = before;
        } else if (fileOnly) {
            const FileStatus now = StatAt(folderFd, to.constData(), false);
            if (now.ok())
                outcome.identity = now.Identity();
        }
        return outcome;
    };

    RenameSeams seams;
    seams.noReplaceUnsupported = simulateNoReplaceUnsupported;
    seams.inodePerName = simulateInodePerName;
    seams.afterLink = afterLinkHook;
    auto callHook = [&] {
        if (beforeRenameHook) {
            const QString prefix = FolderPrefix(folder);
            beforeRenameHook(prefix + oldName, prefix + newName);
        }
    };
    // The rename never replaces, so it is tried first: most succeed, and the looks at both
    // names that would come before it are needed only to tell why one did not.
    std::optional<RenameStep> tried;
    if (from != to) {
        callHook();
        tried = RenameNoReplace(folderFd, from, to, seams);
        if (tried->ok())
            return renamed(tried->moved);
        if (tried->oldNameKept)
            return Failed(DescribeRenameFailure(*tried));
    }

    const FileStatus source = LookAt(folderFd, from, seams);
    if (!source.ok())
        return Failed(SystemErrorText(source.error));
    if (from == to)
        return {RenameOutcome::Kind::NothingToDo, {}};

    const FileStatus target = LookAt(folderFd, to, seams);
    if (target.ok()) {
        if (!target.SameFileAs(source))
            return Failed(SystemErrorText(EEXIST));
        if (!IsCaseOnlyAlias(folderFd, oldName, newName, to))
            return {RenameOutcome::Kind::NothingToDo, {}};
        // One entry under both spellings: the failed try changed nothing.
        const RenameOutcome outcome = RenameViaTemporaryName(folderFd, from, to, seams);
        return outcome.Succeeded() ? renamed(false) : outcome;
    }
    if (target.error != ENOENT)
        return Failed(SystemErrorText(target.error));
    return Failed(DescribeRenameFailure(*tried));
}

}  // namespace miravel
