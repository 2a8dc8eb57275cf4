#include "files/ListingFilter.h"

#include <optional>

#include "files/Formats.h"
#include "files/LiveListing.h"

namespace miravel {

namespace {

// A date range as packed times where its bounds are dates, which orders them as their texts.
// Bounds that are not dates keep the text comparison, whatever they hold.
class TimeRange {
  public:
    TimeRange(const QString& from, const QString& to)
        : from_(LocalDateTime::FromText(from + QLatin1String(" 00:00:00"))),
          to_(LocalDateTime::FromText(to + QLatin1String(" 23:59:59"))) {}
    bool Packed() const { return from_ && to_; }
    bool Contains(LocalDateTime time) const { return !(time < *from_) && !(*to_ < time); }

  private:
    std::optional<LocalDateTime> from_;
    std::optional<LocalDateTime> to_;
};

}  // namespace

std::vector<quint32> FilterListing(const std::vector<ListingEntry>& entries,
                                   const WildcardPattern& pattern, const DateConditions& dates) {
    const TimeRange created(dates.createdFrom, dates.createdTo);
    const TimeRange modified(dates.modifiedFrom, dates.modifiedTo);
    const bool packed = created.Packed() && modified.Packed();
    const bool anyName = pattern.MatchesAll();

    std::vector<quint32> indexes;
    indexes.reserve(entries.size());
    for (size_t i = 0; i < entries.size(); ++i) {
        const ListingEntry& entry = entries[i];
        if (packed) {
            if (!created.Contains(entry.created) || !modified.Contains(entry.modified))
                continue;
        } else {
            const LocalDateTime::Text createdText = entry.created.TextArray();
            const LocalDateTime::Text modifiedText = entry.modified.TextArray();
            if (!dates.Accepts(QStringView(createdText.data(), createdText.size()),
                               QStringView(modifiedText.data(), modifiedText.size())))
                continue;
        }
        if (!anyName && !pattern.Matches(entry.name))
            continue;
        indexes.push_back(quint32(i));
    }
    return indexes;
}

FileRowsBuild RowsForEntries(const LiveListing& listing, const std::vector<quint32>& indexes) {
    const std::vector<ListingEntry>& entries = listing.Entries();
    FileRowsBuild build;
    build.rows.resize(indexes.size());
    qint64 largest = 0;
    for (size_t i = 0; i < indexes.size(); ++i) {
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
