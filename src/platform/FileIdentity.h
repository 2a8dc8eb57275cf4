#pragma once

#include <QtGlobal>
#include <compare>

namespace miravel {

// What tells one version of a file from another without reading it, also from a file put
// later under its name.
struct FileIdentity {
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = 0;
    qint64 modifiedNs = 0;  // modification time in nanoseconds since the epoch

    friend auto operator<=>(const FileIdentity&, const FileIdentity&) = default;
};

}  // namespace miravel
