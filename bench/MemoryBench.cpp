#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

#include "BenchWindow.h"
#include "Benches.h"
#include "ChildProcess.h"
#include "SampleFolder.h"
#include "files/widgets/FileTableItemModel.h"
#include "files/widgets/FolderListWidget.h"

namespace miravel::bench {

namespace {

constexpr int kRows = 100000;

// Starts the peak anew, so that it tells what the fill added.
void ResetPeak() {
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

}  // namespace

int RunMemoryChild(const QString& folder, const QString& emptyFolder) {
    QTemporaryDir config;
    BenchWindow bench(emptyFolder, config.path());
    const qint64 baseline = StatusBytes("VmRSS");
    ResetPeak();
    bench.window().FolderList()->SetPath(folder);
    DrainEvents();
    const int rows = bench.window().TableModel()->rowCount();
    std::printf("%d %lld %lld %lld\n", rows, (long long)baseline, (long long)StatusBytes("VmHWM"),
                (long long)StatusBytes("VmRSS"));
    return 0;
}

void RunMemoryBenchmark(const BenchOptions& options, SampleFolders& folders,
                        BenchResults& results) {
    const SampleFolder* sample = folders.Get(kRows);
    QTemporaryDir empty(options.baseFolder + QStringLiteral("/miravel-bench-empty-XXXXXX"));
    if (sample == nullptr || !empty.isValid())
        return;
    const SampleFolder& folder = *sample;
    const std::optional<QString> output =
        RunChild(options.selfPath, {QStringLiteral("--child-memory"), folder.path(), empty.path()});
    if (!output)
        return;
    const QStringList fields = output->split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const double rows = fields.value(0).toDouble();
    const double baseline = fields.value(1).toDouble();
    if (rows <= 0)
        return;

    BenchResult peak;
    peak.name = QStringLiteral("memory, peak per row");
    peak.n = qint64(rows);
    peak.bytesPerRow = (fields.value(2).toDouble() - baseline) / rows;
    peak.target = QStringLiteral("<= 400 B");
    peak.met = *peak.bytesPerRow <= 400;
    results.push_back(peak);

    BenchResult settled = peak;
    settled.name = QStringLiteral("memory, resident per row after fill");
    settled.bytesPerRow = (fields.value(3).toDouble() - baseline) / rows;
    settled.target.clear();
    settled.met.reset();
    results.push_back(settled);
}

}  // namespace miravel::bench
