#include "files/FileTableFill.h"

#include "files/Formats.h"

namespace miravel {

FileRowsBuild BuildFileRows(const std::vector<ListedFile>& files, const FileRowSources& sources) {
    FileRowsBuild build;
    build.rows.reserve(files.size());
    qint64 largest = 0;
    qint64 done = 0;
    for (const ListedFile& file : files) {
        if (++done % kFillProgressStride == 0 && sources.progress)
            sources.progress(done);
        FileRow row;
        row.created = sources.timeText(file.stat.createdSecs);
        row.modified = sources.timeText(file.stat.modifiedSecs);
        if (sources.accepts && !sources.accepts(row.created, row.modified))
            continue;
        row.name = file.name;
        row.size = file.stat.size;
        row.type = sources.typeOf ? sources.typeOf(file.name) : QString();
        largest = std::max(largest, row.size);
        build.rows.push_back(std::move(row));
    }

    const int width = DigitCount(largest);
    const auto count = static_cast<qint64>(build.rows.size());
    qint64 number = 0;
    for (FileRow& row : build.rows) {
        row.sizeText = SizeText(row.size, width);
        row.numberText = RowNumberText(++number, count);
        build.totalBytes += static_cast<double>(row.size);
    }
    return build;
}

}  // namespace miravel
