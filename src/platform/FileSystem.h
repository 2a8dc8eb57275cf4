#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "platform/FileIdentity.h"

namespace miravel {

class NameFilter;
class FolderWatcher;

// What the table needs to know of one file; times are seconds since the epoch.
struct FileStat {
    qint64 size = 0;
    qint64 createdSecs = 0;  // birth time where the file system keeps one, else modification time
    qint64 modifiedSecs = 0;
};

struct ListedFile {
    QString name;  // decoded losslessly (FileNameCodec)
    FileStat stat;
};

struct FolderListing {
    bool ok = false;
    QString error;  // the system's description when !ok
    std::vector<ListedFile> files;
};

// A folder's files and sub-folders from one pass over its entries.
struct FolderContents {
    bool ok = false;
    QString error;                  // the system's description when !ok
    std::vector<ListedFile> files;  // as ListFiles gives them, unfiltered
    QStringList folders;            // as ListFolders gives them
};

// What one entry of a folder is now (links followed).
struct EntryStatus {
    enum class Kind : quint8 { Missing, File, Folder, Other };
    Kind kind = Kind::Missing;  // Missing also when the entry cannot be looked at
    FileStat stat;              // for files
};

struct RenameOutcome {
    enum class Kind { Renamed, NothingToDo, Failed };
    RenameOutcome(Kind kind_ = Kind::Failed, QString error_ = {})
        : kind(kind_), error(std::move(error_)) {}
    Kind kind = Kind::Failed;
    QString error;  // the system's description when Failed
    // RenameFileInFolder's renamed file under its new name; nothing where it could not be
    // looked at.
    std::optional<FileIdentity> identity;
    bool Succeeded() const { return kind == Kind::Renamed; }
};

// Owns every system call on files. Paths are QStrings decoded with FileNameCodec and encoded
// back to their original bytes for each call.
class FileSystem {
  public:
    FileSystem() = default;
    virtual ~FileSystem();
    FileSystem(const FileSystem&) = delete;
    FileSystem& operator=(const FileSystem&) = delete;

    // Regular files of the folder (and symbolic links to regular files, with their target's
    // size and times) whose names the filter accepts; sub-folders, dangling links and files
    // that cannot be read are left out. Order unspecified.
    virtual FolderListing ListFiles(const QString& folder, const NameFilter& filter) const;
    // The files (as ListFiles, every name) and sub-folders (as ListFolders) of a folder, read
    // in one pass with one stat call per file; the stat calls are spread over the machine's
    // cores when there are many. ok is false when the folder cannot be read to its end.
    virtual FolderContents ReadFolder(const QString& folder) const;
    // The present state of each named entry of a folder, in the order of the names.
    virtual std::vector<EntryStatus> StatEntries(const QString& folder,
                                                 const QStringList& names) const;
    // Change notifications for a folder's entries; nothing where the system has none for it.
    virtual std::unique_ptr<FolderWatcher> WatchFolder(const QString& folder) const;
    // Names of every entry of a folder (files, sub-folders, links of any kind), unsorted;
    // nothing when the folder cannot be read to its end.
    virtual std::optional<QStringList> EntryNames(const QString& folder) const;
    // Names of the sub-folders of a folder (hidden ones and links to folders included),
    // unsorted; empty on failure.
    virtual QStringList ListFolders(const QString& folder) const;
    // Empty when the folder can be opened for listing, else the system's description.
    virtual QString FolderAccessError(const QString& folder) const;
    // Size and times of a regular file (or of a link's target file); nothing for folders and
    // on any failure.
    virtual std::optional<FileStat> StatFile(const QString& path) const;
    virtual bool FolderExists(const QString& path) const;
    // True for a regular file (or a link to one); false for folders and on any failure.
    virtual bool FileExists(const QString& path) const;
    // True when both paths name one and the same file: a hard link, or the same entry spelled
    // in another letter case on a file system that ignores case. Links are not followed.
    virtual bool IsSameFile(const QString& pathA, const QString& pathB) const;
    // The identity of folder/name, links not followed, looked up in the held folder when the
    // folder is the one held; nothing on failure, with the system's description in *error.
    virtual std::optional<FileIdentity> IdentityOf(const QString& folder, const QString& name,
                                                   QString* error = nullptr) const;
    // The folder's device and inode number, of the held folder when it is held. Size and time
    // stay 0: they change with every rename in the folder.
    virtual std::optional<FileIdentity> FolderIdentity(const QString& folder) const;
    // Roots of the mounted volumes a user can browse ("/" and the home folder's volume at
    // least), sorted.
    virtual QStringList DriveRoots() const;

    // Renames folder/oldName to folder/newName without ever replacing an existing file,
    // however the race goes. newName must be a bare name. Renaming a file to its own name
    // (or to a hard-link alias of itself) is NothingToDo. Case-only renames work on file
    // systems that ignore case.
    virtual RenameOutcome RenameInFolder(const QString& folder, const QString& oldName,
                                         const QString& newName);
    // As RenameInFolder for a file: an old name that now names a folder (links followed) fails
    // with the system's text for EISDIR before anything is renamed, and a rename that
    // succeeds tells the renamed file's identity (links not followed, as IdentityOf).
    virtual RenameOutcome RenameFileInFolder(const QString& folder, const QString& oldName,
                                             const QString& newName);
    // Keeps the folder open until ReleaseFolder (FolderHold does both), so that the renames in
    // it that follow do not look the folder up again for each file: a batch renames thousands.
    // They happen in the folder the path named when the hold began. A folder that cannot be
    // opened is not held; each rename then reports why.
    void HoldFolder(const QString& folder);
    void ReleaseFolder();

    // Test seams: called just before the rename system call; and, when set, the no-replace
    // rename reports EINVAL as on file systems that lack it.
    std::function<void(const QString& oldPath, const QString& newPath)> beforeRenameHook;
    bool simulateNoReplaceUnsupported = false;
    // When set, the renames see a different inode number for each name of a file, as on FUSE
    // file systems without stable inode numbers.
    bool simulateInodePerName = false;
    // Called when a rename without the no-replace rename has made the new name a hard link,
    // before it decides about the old name.
    std::function<void()> afterLinkHook;
    // Threads for the stat calls of ReadFolder; 0 for one per core.
    int listingThreads = 0;

  private:
    RenameOutcome Rename(const QString& folder, const QString& oldName, const QString& newName,
                         bool fileOnly);

    QString heldFolder_;
    int heldFolderFd_ = -1;
};

// Holds a folder open for the renames of one scope.
class FolderHold {
  public:
    FolderHold(FileSystem& fileSystem, const QString& folder) : fileSystem_(fileSystem) {
        fileSystem_.HoldFolder(folder);
    }
    ~FolderHold() { fileSystem_.ReleaseFolder(); }
    FolderHold(const FolderHold&) = delete;
    FolderHold& operator=(const FolderHold&) = delete;

  private:
    FileSystem& fileSystem_;
};

// "folder" + exactly one separator.
QString FolderPrefix(const QString& folder);
// The folder's path without separators at its end; the root stays "/".
QString WithoutTrailingSeparator(QString path);

}  // namespace miravel
