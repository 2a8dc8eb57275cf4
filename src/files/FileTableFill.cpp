#include "files/FileTableFill.h"

#include "files/Formats.h"

namespace miravel {

FileRowsBuild BuildFileRows(const std::vector<ListedFile>& files, const FileRowSources& sources) {
    LocalTimeConverter ownConverter;
    LocalTimeConverter& localTime = sources.localTime ? *sources.localTime : ownConverter;
    FileRowsBuild build;
    build.rows.reserve(files.size());
    qint64 largest = 0;
    qint64 done = 0;
    for (const ListedFile& file : files) {
        if (++done % kFillProgressStride == 0 && sources.progress)
            sources.progress(done);
        const LocalDateTime created = localTime.Convert(file.stat.createdSecs);
        const LocalDateTime modified = localTime.Convert(file.stat.modifiedSecs);
        if (sources.accepts) {
            const LocalDateTime::Text createdText = created.TextArray();
            const LocalDateTime::Text modifiedText = modified.TextArray();
            if (!sources.accepts(QStringView(createdText.data(), createdText.size()),
                                 QStringView(modifiedText.data(), modifiedText.size())))
                continue;
        }
        FileRow& row = build.rows.emplace_back();
        row.name = file.name;
        row.size = file.stat.size;
        row.created = created;
        row.modified = modified;
        row.type = sources.typeOf ? sources.typeOf(file.name) : QString();
        largest = std::max(largest, row.size);
    }
    // The rows of one fill share the widths their texts are padded to.
    const auto sizeDigits = static_cast<qint8>(DigitCount(largest));
    const auto numberDigits = static_cast<qint8>(DigitCount(qint64(build.rows.size())));
    qint32 number = 0;
    for (FileRow& row : build.rows) {
        row.sizeDigits = sizeDigits;
        row.numberDigits = numberDigits;
        row.number = ++number;
        build.totalBytes += static_cast<double>(row.size);
    }
    return build;
}

}  // namespace miravel
