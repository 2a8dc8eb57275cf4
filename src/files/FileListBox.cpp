#include "files/FileListBox.h"

#include <algorithm>

#include "files/NaturalOrder.h"
#include "files/RowOrder.h"
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

    // Name order: the entries stay where they are while indexes are sorted, then move once.
    const size_t count = files_.size();
    NaturalNameOrder order;
    order.Reserve(count);
    for (const ListedFile& file : files_)
        order.Add(file.name);
    std::vector<quint32> sourceOf = order.SortedIndexes();
    ApplyRowOrder(files_, sourceOf);
}

}  // namespace miravel
