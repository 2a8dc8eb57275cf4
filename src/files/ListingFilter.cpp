#include "files/ListingFilter.h"

#include "files/Formats.h"
#include "files/LiveListing.h"

namespace miravel {

ListingConditions::TimeRange::TimeRange(const QString& fromText, const QString& toText)
    : from(LocalDateTime::FromText(fromText + QLatin1String(" 00:00:00"))),
      to(LocalDateTime::FromText(toText + QLatin1String(" 23:59:59"))) {}

ListingConditions::ListingConditions(const WildcardPattern& pattern, const DateConditions& dates)
    : pattern_(pattern),
      dates_(dates),
      created_(dates.createdFrom, dates.createdTo),
      modified_(dates.modifiedFrom, dates.modifiedTo),
      packed_(created_.Packed() && modified_.Packed()),
      anyName_(pattern.MatchesAll()) {}

bool ListingConditions::Accepts(const ListingEntry& entry) const {
    if (packed_) {
        if (!created_.Contains(entry.created) || !modified_.Contains(entry.modified))
            return false;
    } else {
        const LocalDateTime::Text createdText = entry.created.TextArray();
        const LocalDateTime::Text modifiedText = entry.modified.TextArray();
        if (!dates_.Accepts(QStringView(createdText.data(), createdText.size()),
                            QStringView(modifiedText.data(), modifiedText.size())))
            return false;
    }
    return anyName_ || pattern_.Matches(entry.name);
}

std::vector<quint32> FilterListing(const std::vector<ListingEntry>& entries,
                                   const WildcardPattern& pattern, const DateConditions& dates) {
    const ListingConditions conditions(pattern, dates);
    std::vector<quint32> indexes;
    indexes.reserve(entries.size());
    for (size_t i = 0; i < entries.size(); ++i)
        if (conditions.Accepts(entries[i]))
            indexes.push_back(quint32(i));
    return indexes;
}

FileRowsBuild RowsForEntries(const LiveListing& listing, const std::vector<quint32>& indexes,
                             const std::function<void(qint64 done)>& progress) {
    const std::vector<ListingEntry>& entries = listing.Entries();
    FileRowsBuild build;
    build.rows.resize(indexes.size());
    qint64 largest = 0;
    for (size_t i = 0; i < indexes.size(); ++i) {
        if (progress && (i + 1) % size_t(kFillProgressStride) == 0)
            progress(qint64(i + 1));
        const ListingEntry& entry = entries[indexes[i]];
        FileRow& row = build.rows[i];
        row.name = entry.name;
        row.type = listing.TypeText(entry.type);
        row.size = entry.size;
        row.created = entry.created;
        row.modified = entry.modified;
        row.number = qint32(i + 1);
        largest = std::max(largest, entry.size);
        build.totalBytes += static_cast<double>(entry.size);
    }
    // The rows of one fill share the widths their texts are padded to.
    const auto sizeDigits = static_cast<qint8>(DigitCount(largest));
    const auto numberDigits = static_cast<qint8>(DigitCount(qint64(build.rows.size())));
    for (FileRow& row : build.rows) {
        row.sizeDigits = sizeDigits;
        row.numberDigits = numberDigits;
    }
    return build;
}

}  // namespace miravel
