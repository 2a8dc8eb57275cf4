// miravel-bench: the program's speed and memory against the bare system-call loops, measured
// in one process, in turns, as medians.
#include <QApplication>
#include <cstdio>

#include "BenchOptions.h"
#include "Benches.h"
#include "Report.h"

namespace miravel::bench {

void Progress(const QString& text) {
    std::fprintf(stderr, "%s\n", qPrintable(text));
}

}  // namespace miravel::bench

int main(int argc, char* argv[]) {
    using namespace miravel::bench;
    // Headless unless told otherwise; the window is real, only not on a screen.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!qEnvironmentVariableIsSet("QT_LOGGING_RULES"))
        qputenv("QT_LOGGING_RULES", "qt.qpa.*=false");
    QApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() == 4 && arguments[1] == QLatin1String("--child-memory"))
        return RunMemoryChild(arguments[2], arguments[3]);
    if (arguments.size() == 4 && arguments[1] == QLatin1String("--child-listing-memory"))
        return RunListingMemoryChild(arguments[2], arguments[3]);
    if (arguments.size() == 4 && arguments[1] == QLatin1String("--child-startup"))
        return RunStartupChild(arguments[2], arguments[3]);

    BenchOptions options;
    if (!ParseBenchOptions(arguments, options))
        return 2;
    options.selfPath = QCoreApplication::applicationFilePath();

    SampleFolders folders(options.baseFolder);
    BenchResults results;
    if (options.Wants(QStringLiteral("fill")))
        RunFillBenchmarks(options, folders, results);
    if (options.Wants(QStringLiteral("sort")))
        RunSortBenchmarks(options, folders, results);
    if (options.Wants(QStringLiteral("rename")))
        RunRenameBenchmarks(options, folders, results);
    if (options.Wants(QStringLiteral("memory")))
        RunMemoryBenchmark(options, folders, results);
    if (options.Wants(QStringLiteral("startup")))
        RunStartupBenchmark(options, folders, results);
    if (options.Wants(QStringLiteral("operations")))
        RunOperationBenchmarks(options, results);
    if (options.Wants(QStringLiteral("photos")))
        RunPhotoDateBenchmark(options, results);
    if (options.Wants(QStringLiteral("preview")))
        RunPreviewBenchmarks(options, folders, results);
    if (options.Wants(QStringLiteral("listing")))
        RunListingBenchmarks(options, folders, results);

    const QString report = options.json ? FormatJson(results) : FormatTable(results);
    std::fputs(report.toUtf8().constData(), stdout);
    return 0;
}
