// The live listing: one read of the folder, then keystrokes that filter what is known, against
// one bare listing of the folder in the same run.
#include <fcntl.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <cstdio>

#include "BenchWindow.h"
#include "Benches.h"
#include "ChildProcess.h"
#include "ReferenceLoops.h"
#include "SampleFolder.h"
#include "Timing.h"
#include "files/ListingFilter.h"
#include "files/LiveListing.h"
#include "files/widgets/FileTableItemModel.h"
#include "files/widgets/FileTableView.h"

namespace miravel::bench {

namespace {

constexpr double kKeystrokeRatio = 0.15;
constexpr double kOpenRatio = 1.2;

// The table as the window shows it, without the rest of the window.
struct ShownTable {
    ShownTable() {
        view.setModel(&model);
        view.resize(680, 480);
        view.show();
    }
    FileTableItemModel model;
    FileTableView view;
};

// What a keystroke sets off once the folder is known: the listing filtered, the rows made,
// the table reset, sorted, all selected, laid out and painted.
void ShowFiltered(const LiveListing& listing, ShownTable& table, const QString& pattern) {
    const std::vector<quint32> passed =
        FilterListing(listing.Entries(), WildcardPattern(pattern), DateConditions());
    // The old rows go before the new are made: never two tables at once.
    table.model.SetRows({});
    FileRowsBuild build = RowsForEntries(listing, passed);
    table.model.SetListedRows(std::move(build.rows));
    table.view.selectAll();
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

// A file made by another program, until the listing tells of it.
BenchResult NoticeLatency(const BenchOptions& options, const SampleFolder& folder,
                          LiveListing& listing) {
    std::vector<double> samples;
    const int rounds = options.quick ? 3 : 9;
    for (int round = 0; round < rounds; ++round) {
        const QByteArray name = "miravel-bench-new-" + QByteArray::number(round) + ".jpg";
        const QString decoded = QString::fromLatin1(name);
        bool seen = false;
        QMetaObject::Connection connection =
            QObject::connect(&listing, &LiveListing::Changed, [&](const ListingChange& change) {
                seen = seen || change.reset || change.added.contains(decoded);
            });
        const QByteArray path = folder.encodedPath() + "/" + name;
        const double start = NowMs();
        const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
        if (fd >= 0)
            ::close(fd);
        while (!seen && NowMs() - start < 5000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
        samples.push_back(NowMs() - start);
        QObject::disconnect(connection);
        ::unlink(path.constData());
        listing.ApplyPendingChanges();
    }
    BenchResult result;
    result.name = QStringLiteral("file made elsewhere, until listed");
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

    // Whether sharing the stat calls among threads pays on this machine.
    for (const int threads : {1, 2}) {
        Progress(QStringLiteral("listing: %1 files, one pass, %2 threads").arg(n).arg(threads));
        FileSystem fs;
        fs.listingThreads = threads;
        results.push_back(Paired(QStringLiteral("read, one pass, %1 thread(s)").arg(threads), n,
                                 RunAlternating(rounds, bareListing, [&] {
                                     const FolderContents contents = fs.ReadFolder(folder.path());
                                     (void)contents;
                                 })));
    }

    FileSystem fs;
    LiveListing listing(fs);
    ShownTable table;
    Progress(QStringLiteral("listing: %1 files, open until the table is shown").arg(n));
    BenchResult open = Paired(QStringLiteral("open folder until the table is shown"), n,
                              RunAlternating(rounds, bareListing, [&] {
                                  listing.Open(folder.path());
                                  ShowFiltered(listing, table, QStringLiteral("*.*"));
                              }));
    if (n == 100000)
        Target(open, kOpenRatio);
    results.push_back(open);

    for (const QString& pattern : {QStringLiteral("*.jpg"), QStringLiteral("*.*")}) {
        Progress(QStringLiteral("listing: %1 files, keystroke %2").arg(n).arg(pattern));
        // From another pattern each time, so that every round changes the table.
        const QString before =
            pattern == QLatin1String("*.*") ? QStringLiteral("*.png") : QStringLiteral("*.*");
        BenchResult keystroke =
            Paired(QStringLiteral("pattern keystroke %1, until shown").arg(pattern), n,
                   RunAlternating(
                       rounds, bareListing, [&] { ShowFiltered(listing, table, pattern); },
                       [&] { ShowFiltered(listing, table, before); }));
        Target(keystroke, kKeystrokeRatio);
        results.push_back(keystroke);
    }

    Progress(QStringLiteral("listing: %1 files, a burst of five keystrokes").arg(n));
    const QStringList burst = {QStringLiteral("*"), QStringLiteral("*."), QStringLiteral("*.j"),
                               QStringLiteral("*.jp"), QStringLiteral("*.jpg")};
    results.push_back(Paired(QStringLiteral("burst of 5 keystrokes, each shown"), n,
                             RunAlternating(rounds, bareListing, [&] {
                                 for (const QString& pattern : burst)
                                     ShowFiltered(listing, table, pattern);
                             })));

    if (n == 100000) {
        Progress(QStringLiteral("listing: %1 files, a file made elsewhere").arg(n));
        results.push_back(NoticeLatency(options, folder, listing));
    }
}

// A field of /proc/self/status in bytes ("VmRSS", "VmHWM"), 0 when unknown.
qint64 StatusBytes(const char* field) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray prefix = QByteArray(field) + ':';
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed().split(' ').value(0).toLongLong() * 1024;
    }
    return 0;
}

}  // namespace

int RunListingMemoryChild(const QString& folder) {
    FileSystem fs;
    LiveListing listing(fs);
    ShownTable table;
    DrainEvents();
    const qint64 baseline = StatusBytes("VmRSS");
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");  // the peak starts anew
    clear.close();
    listing.Open(folder);
    ShowFiltered(listing, table, QStringLiteral("*.*"));
    // A keystroke after the open: the table's rows are replaced.
    ShowFiltered(listing, table, QStringLiteral("*.jpg"));
    ShowFiltered(listing, table, QStringLiteral("*.*"));
    std::printf("%zu %lld %lld %lld\n", listing.Entries().size(), (long long)baseline,
                (long long)StatusBytes("VmHWM"), (long long)StatusBytes("VmRSS"));
    std::fflush(stdout);
    std::_Exit(0);
}

void RunListingBenchmarks(const BenchOptions& options, SampleFolders& folders,
                          BenchResults& results) {
    for (const int n : {100000, 1000000}) {
        const SampleFolder* sample = folders.Get(n);
        if (sample == nullptr)
            continue;
        RunListingBenchmarksFor(options, *sample, results);

        Progress(QStringLiteral("listing: %1 files, memory").arg(n));
        const std::optional<QString> output =
            RunChild(options.selfPath, {QStringLiteral("--child-listing-memory"), sample->path()});
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
