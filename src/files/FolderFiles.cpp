#include "files/FolderFiles.h"

#include "files/NaturalOrder.h"
#include "files/RowOrder.h"
#include "files/WildcardPattern.h"

namespace miravel {

const std::vector<ListedFile>& FolderFiles::Matching(const QString& pattern) {
    files_.clear();
    if (folder_.isEmpty())
        return files_;
    FolderListing listing = fileSystem_.ListFiles(folder_, WildcardPattern(pattern));
    if (!listing.ok)
        return files_;
    files_ = std::move(listing.files);

    // Name order: the entries stay where they are while indexes are sorted, then move once.
    NaturalNameOrder order;
    order.Reserve(files_.size());
    for (const ListedFile& file : files_)
        order.Add(file.name);
    std::vector<quint32> sourceOf = order.SortedIndexes();
    ApplyRowOrder(files_, sourceOf);
    return files_;
}

}  // namespace miravel
