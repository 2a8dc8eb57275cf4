#pragma once

#include <QString>
#include <functional>
#include <vector>

#include "files/FileRow.h"
#include "platform/FileSystem.h"

namespace miravel {

struct FileRowsBuild {
    std::vector<FileRow> rows;  // in listing order, numbered
    double totalBytes = 0;
};

// A look at the clock per file would cost more than the work it watches.
inline constexpr qint64 kFillProgressStride = 256;

struct FileRowSources {
    // Date conditions on the "yyyy/mm/dd hh:nn:ss" texts; accepts everything when empty.
    std::function<bool(const QString& created, const QString& modified)> accepts;
    std::function<QString(const QString& fileName)> typeOf;
    std::function<QString(qint64 secondsSinceEpoch)> timeText;
    // Told the number of listed files looked at, every kFillProgressStride files; optional.
    std::function<void(qint64 done)> progress;
};

// The rows of one fill: every listed file that the conditions accept, with its size padded
// against the largest size among them and its number in listing order.
FileRowsBuild BuildFileRows(const std::vector<ListedFile>& files, const FileRowSources& sources);

}  // namespace miravel
