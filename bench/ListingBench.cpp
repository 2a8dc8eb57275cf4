// The folder as the window keeps it: opening it, pattern keystrokes and bursts of them, a file
// made by another program, and memory per row, through the real window, against one bare
// listing of the folder in the same run.
#include <fcntl.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

#include "BenchWindow.h"
#include "Benches.h"
#include "ChildProcess.h"
#include "ReferenceLoops.h"
#include "SampleFolder.h"
#include "Timing.h"
#include "files/WildcardPattern.h"
#include "files/widgets/FileTableItemModel.h"
#include "session/FolderSession.h"

namespace miravel::bench {

namespace {

constexpr double kKeystrokeRatio = 0.15;
constexpr double kOpenRatio = 1.2;
constexpr double kNoticeGiveUpMs = 2000;

// What the event loop does after a change until the table is shown: layout and paint.
void ShowPattern(BenchWindow& bench, const QString& pattern) {
    bench.window().Session().SetPattern(pattern);
    DrainEvents();
}

int RoundsFor(const BenchOptions& options, qint64 n) {
    return n >= 1000000 && !options.quick ? 5 : options.Rounds(n);
}

BenchResult Paired(const QString& name, qint64 n, const PairedSamples& samples) {
    BenchResult result;
    result.name = name;
    result.n = n;
    result.SetProgramTimes(samples.programMs);
    result.referenceMedianMs = Median(samples.referenceMs);
    return result;
}

void Target(BenchResult& result, double ratio) {
    result.target = QStringLiteral("ratio <= %1").arg(ratio);
    result.met = result.Ratio() && *result.Ratio() <= ratio;
}

// Runs the event loop until the check holds or the time is up; the time taken.
template <typename Check>
double WaitUntil(double start, Check check) {
    while (!check() && NowMs() - start < kNoticeGiveUpMs)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    return NowMs() - start;
}

// A file made by another program, until the table shows it without a keystroke.
BenchResult NoticeLatency(const BenchOptions& options, const SampleFolder& folder,
                          BenchWindow& bench) {
    FileTableItemModel* model = bench.window().TableModel();
    std::vector<double> samples;
    const int rounds = options.quick ? 3 : 9;
    for (int round = 0; round < rounds; ++round) {
        const QByteArray name = "miravel-bench-new-" + QByteArray::number(round) + ".jpg";
        const QString key = RowKeyForName(QString::fromLatin1(name));
        const QByteArray path = folder.encodedPath() + "/" + name;
        const double start = NowMs();
        const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
        if (fd >= 0)
            ::close(fd);
        samples.push_back(WaitUntil(start, [&] { return model->FindRowByKey(key) >= 0; }));
        ::unlink(path.constData());
        WaitUntil(NowMs(), [&] { return model->FindRowByKey(key) < 0; });
    }
    BenchResult result;
    result.name = QStringLiteral("file made elsewhere, until shown");
    result.n = qint64(folder.names().size());
    result.SetProgramTimes(samples);
    result.target = QStringLiteral("< 500 ms");
    result.met = *result.medianMs < 500;
    return result;
}

void RunListingBenchmarksFor(const BenchOptions& options, const SampleFolder& folder,
                             BenchResults& results) {
    const qint64 n = qint64(folder.names().size());
    const int rounds = RoundsFor(options, n);
    const WildcardPattern every(QStringLiteral("*.*"));
    auto bareListing = [&] { ReferenceListing(folder.encodedPath(), every); };

    QTemporaryDir config;
    QTemporaryDir elsewhere(options.baseFolder + QStringLiteral("/miravel-bench-empty-XXXXXX"));
    BenchWindow bench(elsewhere.path(), config.path());
    FolderSession& session = bench.window().Session();

    if (n == 100000) {
        Progress(QStringLiteral("listing: %1 files, open until the table is shown").arg(n));
        BenchResult open = Paired(QStringLiteral("open folder until the table is shown"), n,
                                  RunAlternating(
                                      rounds, bareListing,
                                      [&] {
                                          session.OpenFolder(folder.path());
                                          DrainEvents();
                                      },
                                      [&] {
                                          session.OpenFolder(elsewhere.path());
                                          DrainEvents();
                                      }));
        Target(open, kOpenRatio);
        results.push_back(open);
    }
    session.OpenFolder(folder.path());
    DrainEvents();

    for (const QString& pattern : {QStringLiteral("*.jpg"), QStringLiteral("*.*")}) {
        Progress(QStringLiteral("listing: %1 files, keystroke %2").arg(n).arg(pattern));
        // From another pattern each time, so that every round changes the table.
        const QString before =
            pattern == QLatin1String("*.*") ? QStringLiteral("*.png") : QStringLiteral("*.*");
        BenchResult keystroke =
            Paired(QStringLiteral("pattern keystroke %1, until shown").arg(pattern), n,
                   RunAlternating(
                       rounds, bareListing, [&] { ShowPattern(bench, pattern); },
                       [&] { ShowPattern(bench, before); }));
        Target(keystroke, kKeystrokeRatio);
        results.push_back(keystroke);
    }

    Progress(QStringLiteral("listing: %1 files, a burst of five keystrokes").arg(n));
    const QStringList burst = {QStringLiteral("*"), QStringLiteral("*."), QStringLiteral("*.j"),
                               QStringLiteral("*.jp"), QStringLiteral("*.jpg")};
    results.push_back(Paired(QStringLiteral("burst of 5 keystrokes, last shown"), n,
                             RunAlternating(
                                 rounds, bareListing,
                                 [&] {
                                     for (const QString& pattern : burst)
                                         session.SetPattern(pattern);
                                     DrainEvents();
                                 },
                                 [&] { ShowPattern(bench, QStringLiteral("*.*")); })));

    if (n == 100000) {
        ShowPattern(bench, QStringLiteral("*.*"));
        Progress(QStringLiteral("listing: %1 files, a file made elsewhere").arg(n));
        results.push_back(NoticeLatency(options, folder, bench));
    }
}

}  // namespace

int RunListingMemoryChild(const QString& folder, const QString& emptyFolder) {
    QTemporaryDir config;
    BenchWindow bench(emptyFolder, config.path());
    const qint64 baseline = StatusBytes("VmRSS");
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");  // the peak starts anew
    clear.close();
    bench.window().Session().OpenFolder(folder);
    DrainEvents();
    // Keystrokes after the open: the table's rows are replaced.
    ShowPattern(bench, QStringLiteral("*.jpg"));
    ShowPattern(bench, QStringLiteral("*.*"));
    std::printf("%d %lld %lld %lld\n", bench.window().TableModel()->rowCount(), (long long)baseline,
                (long long)StatusBytes("VmHWM"), (long long)StatusBytes("VmRSS"));
    std::fflush(stdout);
    // Tearing down is not part of the measurement.
    std::_Exit(0);
}

void RunListingBenchmarks(const BenchOptions& options, SampleFolders& folders,
                          BenchResults& results) {
    for (const int n : {100000, 1000000}) {
        const SampleFolder* sample = folders.Get(n);
        if (sample == nullptr)
            continue;
        RunListingBenchmarksFor(options, *sample, results);

        QTemporaryDir empty(options.baseFolder + QStringLiteral("/miravel-bench-empty-XXXXXX"));
        Progress(QStringLiteral("listing: %1 files, memory").arg(n));
        const std::optional<QString> output =
            RunChild(options.selfPath,
                     {QStringLiteral("--child-listing-memory"), sample->path(), empty.path()});
        if (!output)
            continue;
        const QStringList fields = output->split(QLatin1Char(' '), Qt::SkipEmptyParts);
        const double rows = fields.value(0).toDouble();
        if (rows <= 0)
            continue;
        const double baseline = fields.value(1).toDouble();
        BenchResult peak;
        peak.name = QStringLiteral("memory per row, open and keystrokes, peak");
        peak.n = qint64(rows);
        peak.bytesPerRow = (fields.value(2).toDouble() - baseline) / rows;
        if (n == 1000000) {
            peak.target = QStringLiteral("<= 300 B");
            peak.met = *peak.bytesPerRow <= 300;
        }
        results.push_back(peak);
        BenchResult settled;
        settled.name = QStringLiteral("memory per row, open and keystrokes, after");
        settled.n = qint64(rows);
        settled.bytesPerRow = (fields.value(3).toDouble() - baseline) / rows;
        results.push_back(settled);
    }
}

}  // namespace miravel::bench
