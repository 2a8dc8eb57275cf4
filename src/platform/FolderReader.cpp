#include "platform/FolderReader.h"

#include <fcntl.h>
#include <unistd.h>
#include <cerrno>

namespace miravel {

FolderReader::FolderReader(const QByteArray& encodedPath) {
    Adopt(::open(encodedPath.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
}

FolderReader FolderReader::OfDescriptor(int folderFd) {
    FolderReader reader;
    reader.Adopt(::openat(folderFd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    return reader;
}

void FolderReader::Adopt(int fd) {
    if (fd < 0) {
        openError_ = errno;
        return;
    }
    dir_ = ::fdopendir(fd);
    if (dir_ == nullptr) {
        openError_ = errno;
        ::close(fd);
    }
}

FolderReader::FolderReader(FolderReader&& other) noexcept
    : dir_(other.dir_), openError_(other.openError_), readError_(other.readError_) {
    other.dir_ = nullptr;
}

FolderReader::~FolderReader() {
    if (dir_ != nullptr)
        ::closedir(dir_);
}

int FolderReader::fd() const {
    return dir_ != nullptr ? ::dirfd(dir_) : -1;
}

const dirent* FolderReader::Next() {
    if (dir_ == nullptr)
        return nullptr;
    for (;;) {
        errno = 0;
        const dirent* entry = ::readdir(dir_);
        if (entry == nullptr) {
            readError_ = errno;
            return nullptr;
        }
        const char* name = entry->d_name;
        if (name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0')))
            continue;
        return entry;
    }
}

}  // namespace miravel
