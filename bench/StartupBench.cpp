#include <QAbstractItemView>
#include <QCoreApplication>
#include <QEvent>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>

#include "BenchWindow.h"
#include "Benches.h"
#include "ChildProcess.h"
#include "SampleFolder.h"
#include "Timing.h"
#include "files/widgets/FileTableItemModel.h"
#include "files/widgets/FileTableView.h"
#include "platform/widgets/QtMessageBoxes.h"

namespace miravel::bench {

namespace {

constexpr int kFiles = 10000;

// Notes the first paint of the table's rows.
class PaintWatch : public QObject {
  public:
    bool painted = false;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            painted = true;
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

int RunStartupChild(const QString& folder, const QString& configFolder) {
    // As the program starts: real message boxes, the window on its start folder, shown.
    FileSystem fileSystem;
    QtMessageBoxes messages(nullptr);
    MainWindow window(BenchServices(messages, fileSystem, folder, configFolder));
    PaintWatch watch;
    window.TableView()->viewport()->installEventFilter(&watch);
    window.show();
    const double giveUp = NowMs() + 10000;
    while (!watch.painted && NowMs() < giveUp)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    if (!watch.painted)
        return 1;
    std::printf("%.3f %d\n", NowMs(), window.TableModel()->rowCount());
    std::fflush(stdout);
    // Tearing down is not part of a start.
    std::_Exit(0);
}

void RunStartupBenchmark(const BenchOptions& options, SampleFolders& folders,
                         BenchResults& results) {
    const SampleFolder* sample = folders.Get(kFiles);
    QTemporaryDir config;
    if (sample == nullptr)
        return;
    const SampleFolder& folder = *sample;
    std::vector<double> samples;
    const int rounds = options.quick ? 3 : 9;
    for (int round = 0; round <= rounds; ++round) {
        const double start = NowMs();
        const std::optional<QString> output = RunChild(
            options.selfPath, {QStringLiteral("--child-startup"), folder.path(), config.path()});
        if (!output)
            return;
        const QStringList fields = output->split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (fields.value(1).toInt() != kFiles)
            Progress(QStringLiteral("start-up: %1 rows").arg(fields.value(1)));
        if (round > 0)  // the first start warms the caches
            samples.push_back(fields.value(0).toDouble() - start);
    }
    BenchResult result;
    result.name = QStringLiteral("start-up to a filled window");
    result.n = kFiles;
    result.SetProgramTimes(samples);
    result.target = QStringLiteral("< 500 ms");
    result.met = *result.medianMs < 500;
    results.push_back(result);
}

}  // namespace miravel::bench
