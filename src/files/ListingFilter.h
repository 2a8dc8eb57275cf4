#pragma once

#include <QtGlobal>
#include <vector>

#include "files/DateConditions.h"
#include "files/FileTableFill.h"
#include "files/WildcardPattern.h"

namespace miravel {

class LiveListing;
struct ListingEntry;

// The files of a listing that the conditions let into the table, as indexes into the
// entries in listing order. A keystroke in the pattern box filters what is known; it reads
// nothing.
std::vector<quint32> FilterListing(const std::vector<ListingEntry>& entries,
                                   const WildcardPattern& pattern, const DateConditions& dates);

// The table's rows for those entries, numbered in that order, the size padded against the
// largest size among them.
FileRowsBuild RowsForEntries(const LiveListing& listing, const std::vector<quint32>& indexes);

}  // namespace miravel
