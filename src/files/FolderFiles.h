#pragma once

#include <QString>
#include <vector>

#include "platform/FileSystem.h"

namespace miravel {

// The files of the open folder that match a pattern, in name order, with what the table needs
// of each read in the same pass. The folder is read again for every pattern asked, so the
// table always shows the folder as it now is.
class FolderFiles {
  public:
    explicit FolderFiles(FileSystem& fileSystem) : fileSystem_(fileSystem) {}

    void Open(const QString& folder) { folder_ = folder; }
    const QString& Folder() const { return folder_; }
    // The matching files; none when the folder cannot be read (a folder that vanished simply
    // lists nothing).
    const std::vector<ListedFile>& Matching(const QString& pattern);

  private:
    FileSystem& fileSystem_;
    QString folder_;
    std::vector<ListedFile> files_;
};

}  // namespace miravel
