#pragma once

#include <QByteArray>
#include <string>
#include <vector>

namespace miravel {
class WildcardPattern;
}

namespace miravel::bench {

// What the bare loop keeps of each file: no more than the table needs.
struct ReferenceEntry {
    std::string name;
    long long size = 0;
    long long createdSecs = 0;
    long long modifiedSecs = 0;
};

// The floor of a fill: read the folder, match each name with the program's own matcher, one
// statx call (size, modification and birth time) per matching name.
std::vector<ReferenceEntry> ReferenceListing(const QByteArray& folder,
                                             const WildcardPattern& pattern);

// The floor of a batch rename: renameat2 without replace over names ready in bytes. Returns
// the number of failed calls.
int ReferenceRenames(const QByteArray& folder, const std::vector<QByteArray>& from,
                     const std::vector<QByteArray>& to);

}  // namespace miravel::bench
