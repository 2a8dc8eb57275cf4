#include <QTemporaryDir>

#include "BenchWindow.h"
#include "Benches.h"
#include "ReferenceLoops.h"
#include "SampleFolder.h"
#include "Timing.h"
#include "files/WildcardPattern.h"
#include "files/widgets/FileTableItemModel.h"
#include "session/FolderSession.h"

namespace miravel::bench {

namespace {

// What a keystroke in the pattern box sets off: the session reads the folder again and the
// table fills (file information, formats, model reset, sort, selection), then the view lays
// itself out and paints.
BenchResult FillOnce(const BenchOptions& options, const SampleFolder& folder, BenchWindow& bench,
                     const QString& pattern) {
    const qint64 n = qint64(folder.names().size());
    const WildcardPattern matcher(pattern);
    size_t referenceRows = 0;
    const PairedSamples samples = RunAlternating(
        options.Rounds(n),
        [&] { referenceRows = ReferenceListing(folder.encodedPath(), matcher).size(); },
        [&] {
            bench.window().Session().SetPattern(pattern);
            DrainEvents();
        });
    const int rows = bench.window().TableModel()->rowCount();
    if (size_t(rows) != referenceRows)
        Progress(
            QStringLiteral("  rows differ: program %1, reference %2").arg(rows).arg(referenceRows));

    BenchResult result;
    result.name = QStringLiteral("fill %1").arg(pattern);
    result.n = n;
    result.SetProgramTimes(samples.programMs);
    result.referenceMedianMs = Median(samples.referenceMs);
    if (n == 100000) {
        result.target = QStringLiteral("ratio <= 1.5");
        result.met = *result.Ratio() <= 1.5;
    } else if (n == 10000) {
        result.target = QStringLiteral("< 40 ms");
        result.met = *result.medianMs < 40;
    }
    return result;
}

}  // namespace

void RunFillBenchmarks(const BenchOptions& options, SampleFolders& folders, BenchResults& results) {
    for (const int n : {1000, 10000, 100000}) {
        const SampleFolder* sample = folders.Get(n);
        if (sample == nullptr)
            continue;
        const SampleFolder& folder = *sample;
        QTemporaryDir config;
        BenchWindow bench(folder.path(), config.path());
        for (const QString& pattern : {QStringLiteral("*.*"), QStringLiteral("*.jpg")}) {
            Progress(QStringLiteral("fill: %1 files, %2").arg(n).arg(pattern));
            results.push_back(FillOnce(options, folder, bench, pattern));
        }
    }
}

}  // namespace miravel::bench
