#pragma once

#include <dirent.h>
#include <QByteArray>

namespace miravel {

// Reads the entries of one folder ("." and ".." left out), keeping the folder's descriptor
// for stat calls relative to it.
class FolderReader {
  public:
    explicit FolderReader(const QByteArray& encodedPath);
    // A reader over the folder that folderFd refers to.
    static FolderReader OfDescriptor(int folderFd);
    ~FolderReader();
    FolderReader(FolderReader&& other) noexcept;
    FolderReader(const FolderReader&) = delete;
    FolderReader& operator=(const FolderReader&) = delete;
    FolderReader& operator=(FolderReader&&) = delete;

    // errno of the failed open, 0 when open.
    int openError() const { return openError_; }
    int fd() const;
    // The next entry, or nullptr at the end or on a read error (then readError() is set).
    const dirent* Next();
    int readError() const { return readError_; }

  private:
    FolderReader() = default;
    void Adopt(int fd);

    DIR* dir_ = nullptr;
    int openError_ = 0;
    int readError_ = 0;
};

}  // namespace miravel
