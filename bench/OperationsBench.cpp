#include <fcntl.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <functional>

#include "Benches.h"
#include "SampleFolder.h"
#include "Timing.h"
#include "platform/DateTakenCache.h"
#include "platform/DateTakenReader.h"
#include "platform/FileNameCodec.h"
#include "rename/ConvertOperation.h"
#include "rename/DateTokens.h"
#include "rename/NameInsertion.h"
#include "rename/PatternReplace.h"
#include "support/SamplePhoto.h"

namespace miravel::bench {

namespace {

constexpr int kNames = 10000;
constexpr int kPhotos = 1000;
constexpr double kFrameMs = 16;
constexpr double kPhotoTargetMs = 500;

BenchResult FrameResult(const QString& name, const std::vector<double>& samples) {
    BenchResult result;
    result.name = name;
    result.n = kNames;
    result.medianMs = Median(samples);
    result.target = QStringLiteral("<= 16 ms");
    result.met = *result.medianMs <= kFrameMs;
    return result;
}

// Every name through one new-name function, as the preview column computes them.
std::vector<double> TimeNewNames(const BenchOptions& options, const QStringList& names,
                                 const QString& label,
                                 const std::function<std::optional<QString>(const QString&)>& f) {
    qsizetype changed = 0;
    const std::vector<double> samples = RunRepeated(options.Rounds(kNames), [&] {
        for (const QString& name : names)
            changed += f(name).has_value() ? 1 : 0;
    });
    if (changed == 0)
        Progress(QStringLiteral("operations: %1 changed no name").arg(label));
    return samples;
}

// Empties the page cache, or where that is refused, evicts the files' own pages: either way
// the next read goes to the disk for the files' contents.
QString MakeCold(const QByteArray& folder, const std::vector<QByteArray>& names) {
    ::sync();
    QFile drop(QStringLiteral("/proc/sys/vm/drop_caches"));
    if (drop.open(QIODevice::WriteOnly) && drop.write("3\n") == 2 && drop.flush())
        return QStringLiteral("page cache dropped");
    for (const QByteArray& name : names) {
        const int fd = ::open((folder + "/" + name).constData(), O_RDONLY | O_CLOEXEC);
        if (fd >= 0) {
            ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
            ::close(fd);
        }
    }
    return QStringLiteral("files' pages evicted");
}

}  // namespace

void RunOperationBenchmarks(const BenchOptions& options, BenchResults& results) {
    // The sample names, a third of them with full-width letters for the width conversion.
    QStringList names;
    for (int i = 0; i < kNames; ++i) {
        const QString name = SampleFolder::SampleName(i);
        names << (i % 3 == 0 ? QStringLiteral("（ＦＩＮＡＬ）") + name : name);
    }

    Progress(QStringLiteral("operations: new names"));
    const PatternReplacer pattern({QStringLiteral("(\\d+)"), QStringLiteral("[\\1]"), true, true});
    const QString patternLabel = QStringLiteral("replace, pattern, all");
    results.push_back(FrameResult(
        patternLabel, TimeNewNames(options, names, patternLabel,
                                   [&](const QString& name) { return pattern.NewName(name); })));
    const PatternReplacer plain({QStringLiteral("a"), QStringLiteral("b"), false, true});
    const QString plainLabel = QStringLiteral("replace, plain, all");
    results.push_back(FrameResult(
        plainLabel, TimeNewNames(options, names, plainLabel,
                                 [&](const QString& name) { return plain.NewName(name); })));

    const std::pair<Conversion, const char*> conversions[] = {
        {Conversion::Lower, "lower"},
        {Conversion::Upper, "upper"},
        {Conversion::WordHeads, "word heads"},
        {Conversion::FullWidthToHalf, "full-width to half"},
        {Conversion::HalfKanaToFull, "half-width kana to full"}};
    for (const auto& [conversion, label] : conversions) {
        const QString convertLabel = QStringLiteral("convert, %1").arg(QLatin1String(label));
        results.push_back(FrameResult(
            convertLabel,
            TimeNewNames(options, names, convertLabel, [conversion = conversion](const QString& n) {
                return ConvertedName(n, conversion, ConversionScope::WholeName);
            })));
    }

    const QString text = QStringLiteral("<撮影日:yyyy-MM-dd>_<更新日>_");
    const RowDates dates{LocalDateTime::FromFields(2023, 4, 5, 6, 7, 8),
                         LocalDateTime::FromFields(2024, 11, 12, 13, 14, 15),
                         LocalDateTime::FromFields(2022, 1, 2, 3, 4, 5)};
    const QString tokensLabel = QStringLiteral("add, date tokens");
    results.push_back(FrameResult(
        tokensLabel, TimeNewNames(options, names, tokensLabel,
                                  [&](const QString& name) -> std::optional<QString> {
                                      const TokenExpansion expanded = ExpandDateTokens(text, dates);
                                      if (!expanded.text)
                                          return std::nullopt;
                                      return InsertIntoName(name, *expanded.text, Placement::Head,
                                                            0);
                                  })));
}

void RunPhotoDateBenchmark(const BenchOptions& options, BenchResults& results) {
    QTemporaryDir dir(options.baseFolder + QStringLiteral("/miravel-bench-photos-XXXXXX"));
    if (!dir.isValid())
        return;
    Progress(QStringLiteral("photos: writing %1 JPEG files").arg(kPhotos));
    // A camera-like file: the EXIF block first, then image data several times its size,
    // which a read of the metadata alone never touches.
    const QByteArray folder = EncodeFileName(dir.path());
    std::vector<QByteArray> files;
    QStringList names;
    for (int i = 0; i < kPhotos; ++i) {
        const QByteArray date = QStringLiteral("2024:%1:%2 10:00:00")
                                    .arg(i % 12 + 1, 2, 10, QLatin1Char('0'))
                                    .arg(i % 28 + 1, 2, 10, QLatin1Char('0'))
                                    .toLatin1();
        const QByteArray photo = test::JpegBytes(date, "Exif.Photo.DateTimeOriginal", 160, 120);
        const QByteArray name = "IMG_" + QByteArray::number(i).rightJustified(4, '0') + ".JPG";
        if (!test::WriteFileBytes(folder + "/" + name, photo))
            return;
        files.push_back(name);
        names << DecodeFileName(name);
    }

    Progress(QStringLiteral("photos: reading dates taken, cold"));
    QString how;
    qsizetype dated = 0;
    const int rounds = options.quick ? 3 : 7;
    const std::vector<double> samples = RunRepeated(
        rounds,
        [&] {
            // A new cache each round: no date is known before the files are read.
            DateTakenCache cache;
            DateTakenReader reader(cache);
            QEventLoop loop;
            dated = 0;
            QObject::connect(&reader, &DateTakenReader::datesRead, &loop,
                             [&](quint64, const QList<DateTakenEntry>& entries) {
                                 for (const DateTakenEntry& entry : entries)
                                     dated += entry.taken ? 1 : 0;
                             });
            QObject::connect(&reader, &DateTakenReader::finished, &loop, &QEventLoop::quit);
            reader.Read(dir.path(), names);
            loop.exec();
        },
        [&] { how = MakeCold(folder, files); });
    if (dated != kPhotos)
        Progress(QStringLiteral("photos: %1 of %2 dates read").arg(dated).arg(kPhotos));

    BenchResult result;
    result.name = QStringLiteral("EXIF date taken, cold (%1)").arg(how);
    result.n = kPhotos;
    result.medianMs = Median(samples);
    result.target = QStringLiteral("< 500 ms");
    result.met = *result.medianMs < kPhotoTargetMs;
    results.push_back(result);
}

}  // namespace miravel::bench
