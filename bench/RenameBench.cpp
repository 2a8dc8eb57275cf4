#include <QTemporaryDir>

#include "BenchWindow.h"
#include "Benches.h"
#include "ReferenceLoops.h"
#include "SampleFolder.h"
#include "Timing.h"
#include "files/widgets/FileTableItemModel.h"
#include "files/widgets/FolderListWidget.h"
#include "rename/AddStringOperation.h"
#include "rename/BatchRename.h"

namespace miravel::bench {

namespace {

constexpr int kFiles = 10000;

}  // namespace

void RunRenameBenchmarks(const BenchOptions& options, SampleFolders& folders,
                         BenchResults& results) {
    const SampleFolder* sample = folders.Get(kFiles);
    if (sample == nullptr)
        return;
    const SampleFolder& folder = *sample;
    QTemporaryDir config;
    BenchWindow bench(folder.path(), config.path());
    MainWindow& window = bench.window();

    // The add panel's run with "x_" at the head of every selected name.
    AddStringFields fields;
    fields.text = QStringLiteral("x_");
    fields.placement = Placement::Head;
    fields.position = QStringLiteral("0");
    const BatchOperation operation = MakeAddStringOperation(fields);
    // The panels' own context: the plan with its folder read, the undo record, the progress.
    BatchContext context = window.MakeBatchContext();
    BatchContext refilling = context;
    context.refill = nullptr;

    const std::vector<QByteArray>& names = folder.names();
    std::vector<QByteArray> prefixed;
    prefixed.reserve(names.size());
    for (const QByteArray& name : names)
        prefixed.push_back("x_" + name);

    // Every run starts from the original names, all rows listed and selected.
    bool renamed = false;
    int referenceFailures = 0;
    auto restore = [&] {
        if (renamed)
            ReferenceRenames(folder.encodedPath(), prefixed, names);
        renamed = false;
        window.Refill();
        DrainEvents();
    };
    auto reference = [&] {
        referenceFailures += ReferenceRenames(folder.encodedPath(), names, prefixed);
        renamed = true;
    };

    for (const bool withRefill : {false, true}) {
        Progress(withRefill ? QStringLiteral("rename: with the refill")
                            : QStringLiteral("rename: before the refill"));
        const BatchContext& used = withRefill ? refilling : context;
        const PairedSamples samples = RunAlternating(
            options.Rounds(kFiles), reference,
            [&] {
                BatchRename(operation, used);
                if (withRefill)
                    DrainEvents();
                renamed = true;
            },
            restore);
        restore();

        BenchResult result;
        result.name = withRefill ? QStringLiteral("batch rename, with refill")
                                 : QStringLiteral("batch rename, before refill");
        result.n = kFiles;
        result.SetProgramTimes(samples.programMs);
        result.referenceMedianMs = Median(samples.referenceMs);
        if (!withRefill) {
            result.target = QStringLiteral("ratio <= 1.3");
            result.met = *result.Ratio() <= 1.3;
        }
        results.push_back(result);
    }
    if (referenceFailures != 0 || bench.boxes.errors != 0)
        Progress(QStringLiteral("rename: %1 reference failures, %2 error boxes")
                     .arg(referenceFailures)
                     .arg(bench.boxes.errors));
}

}  // namespace miravel::bench
