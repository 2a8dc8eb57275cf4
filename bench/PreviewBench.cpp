#include <QLineEdit>
#include <QTemporaryDir>

#include "BenchWindow.h"
#include "Benches.h"
#include "SampleFolder.h"
#include "Timing.h"
#include "files/FileTableModel.h"
#include "files/widgets/FileTableItemModel.h"
#include "session/FolderSession.h"

namespace miravel::bench {

namespace {

struct PreviewSize {
    int rows;
    double targetMs;
};
constexpr PreviewSize kSizes[] = {{10000, 16}, {100000, 50}};

BenchResult PreviewResult(const QString& name, const PreviewSize& size,
                          const std::vector<double>& samples, bool timed) {
    BenchResult result;
    result.name = name;
    result.n = size.rows;
    result.medianMs = Median(samples);
    if (timed) {
        result.target = QStringLiteral("<= %1 ms").arg(size.targetMs);
        result.met = *result.medianMs <= size.targetMs;
    }
    return result;
}

}  // namespace

void RunPreviewBenchmarks(const BenchOptions& options, SampleFolders& folders,
                          BenchResults& results) {
    for (const PreviewSize& size : kSizes) {
        const SampleFolder* sample = folders.Get(size.rows);
        if (sample == nullptr)
            continue;
        QTemporaryDir config;
        BenchWindow bench(sample->path(), config.path());
        MainWindow& window = bench.window();
        auto* find = window.findChild<QLineEdit*>(QStringLiteral("Text1"));
        auto* replacement = window.findChild<QLineEdit*>(QStringLiteral("Text2"));
        find->setText(QStringLiteral("_"));
        DrainEvents();
        // Each keystroke changes every new name of the rows that hold the text.
        int key = 0;
        const auto type = [&] { replacement->setText(QString(QChar(u'a' + key++ % 26))); };
        const int rounds = options.Rounds(size.rows);

        Progress(QStringLiteral("preview: %1 rows, the keystroke alone").arg(size.rows));
        const std::vector<double> keystroke = RunRepeated(rounds, type, DrainEvents);
        results.push_back(PreviewResult(QStringLiteral("preview, keystroke before the plan"), size,
                                        keystroke, false));

        Progress(QStringLiteral("preview: %1 rows, until the column is shown").arg(size.rows));
        const std::vector<double> shown = RunRepeated(rounds, [&] {
            type();
            DrainEvents();
        });
        results.push_back(PreviewResult(QStringLiteral("preview, keystroke until the column"), size,
                                        shown, true));
        if (window.Session().CurrentPlan()->plan.changes == 0)
            Progress(QStringLiteral("preview: no name changed"));
    }
}

}  // namespace miravel::bench
