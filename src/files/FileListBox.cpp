#include "files/FileListBox.h"

#include <algorithm>

#include "files/NaturalOrder.h"
#include "files/WildcardPattern.h"

namespace miravel {

FileListBox::FileListBox(FileSystem& fileSystem, QObject* parent)
    : QObject(parent), fileSystem_(fileSystem) {}

void FileListBox::SetPath(const QString& path) {
    path_ = path;
    Refresh();
    Q_EMIT PathChange();
}

void FileListBox::SetPattern(const QString& pattern) {
    pattern_ = pattern;
    Refresh();
    Q_EMIT PatternChange();
}

void FileListBox::Refresh() {
    files_.clear();
    if (path_.isEmpty())
        return;
    FolderListing listing = fileSystem_.ListFiles(path_, WildcardPattern(pattern_));
    if (!listing.ok)
        return;  // a folder that vanished simply lists nothing
    files_ = std::move(listing.files);

    // Name order, with keys folded once rather than in every comparison.
    std::vector<std::pair<QString, size_t>> keys;
    keys.reserve(files_.size());
    for (size_t i = 0; i < files_.size(); ++i)
        keys.emplace_back(NaturalSortKey(files_[i].name), i);
    std::sort(keys.begin(), keys.end(), [this](const auto& a, const auto& b) {
        const int result = NaturalCompare(a.first, b.first);
        if (result != 0)
            return result < 0;
        return QStringView(files_[a.second].name).compare(files_[b.second].name) < 0;
    });
    std::vector<ListedFile> sorted;
    sorted.reserve(files_.size());
    for (const auto& key : keys)
        sorted.push_back(std::move(files_[key.second]));
    files_ = std::move(sorted);
}

}  // namespace miravel
