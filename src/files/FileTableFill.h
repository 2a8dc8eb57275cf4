#pragma once

#include <QString>
#include <QStringView>
#include <functional>
#include <vector>

#include "files/FileRow.h"
#include "platform/FileSystem.h"
#include "platform/LocalTime.h"

namespace miravel {

struct FileRowsBuild {
    std::vector<FileRow> rows;  // in listing order, numbered
    double totalBytes = 0;
};

// A look at the clock per file would cost more than the work it watches.
inline constexpr qint64 kFillProgressStride = 256;

struct FileRowSources {
    // Date conditions on the "yyyy/mm/dd hh:nn:ss" texts; accepts everything when empty.
    std::function<bool(QStringView created, QStringView modified)> accepts;
    std::function<QString(const QString& fileName)> typeOf;
    // Local times for the rows; one of the build's own when not given.
    LocalTimeConverter* localTime = nullptr;
    // Told the number of listed files looked at, every kFillProgressStride files; optional.
    std::function<void(qint64 done)> progress;
};

// The rows of one fill: every listed file that the conditions accept, with its size padded
// against the largest size among them and its number in listing order.
FileRowsBuild BuildFileRows(const std::vector<ListedFile>& files, const FileRowSources& sources);

}  // namespace miravel
