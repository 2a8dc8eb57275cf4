#pragma once

#include <QtGlobal>
#include <functional>
#include <optional>
#include <vector>

#include "files/DateConditions.h"
#include "files/FileTableFill.h"
#include "files/WildcardPattern.h"
#include "platform/LocalTime.h"

namespace miravel {

class LiveListing;
struct ListingEntry;

// Whether the conditions let one file of a listing into the table.
class ListingConditions {
  public:
    ListingConditions(const WildcardPattern& pattern, const DateConditions& dates);
    bool Accepts(const ListingEntry& entry) const;

  private:
    // A date range as packed times where its bounds are dates, which orders them as their
    // texts. Bounds that are not dates keep the text comparison, whatever they hold.
    struct TimeRange {
        TimeRange(const QString& from, const QString& to);
        bool Packed() const { return from && to; }
        bool Contains(LocalDateTime time) const { return !(time < *from) && !(*to < time); }
        std::optional<LocalDateTime> from;
        std::optional<LocalDateTime> to;
    };

    const WildcardPattern& pattern_;
    const DateConditions& dates_;
    TimeRange created_;
    TimeRange modified_;
    bool packed_;
    bool anyName_;
};

// The files of a listing that the conditions let into the table, as indexes into the
// entries in listing order. A keystroke in the pattern box filters what is known; it reads
// nothing.
std::vector<quint32> FilterListing(const std::vector<ListingEntry>& entries,
                                   const WildcardPattern& pattern, const DateConditions& dates);

// The table's rows for those entries, numbered in that order, the size padded against the
// largest size among them. progress, when given, is told the rows made every
// kFillProgressStride rows.
FileRowsBuild RowsForEntries(const LiveListing& listing, const std::vector<quint32>& indexes,
                             const std::function<void(qint64 done)>& progress = {});

}  // namespace miravel
