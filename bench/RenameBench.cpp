#include <QTemporaryDir>

#include "BenchWindow.h"
#include "Benches.h"
#include "ReferenceLoops.h"
#include "SampleFolder.h"
#include "Timing.h"
#include "app/widgets/StatusProgress.h"
#include "files/widgets/FileTableItemModel.h"
#include "files/widgets/FolderListWidget.h"
#include "rename/AddStringOperation.h"
#include "rename/BatchRename.h"
#include "session/FolderSession.h"

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
    // The panels' own path: the session's plan with its folder read, the run with its
    // progress; the undo record and the refill only with the refill.
    FolderSession& session = window.Session();
    session.SetOperation(fields);

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
        Settle();
        session.Refill();
        DrainEvents();
    };
    auto reference = [&] {
        referenceFailures += ReferenceRenames(folder.encodedPath(), names, prefixed);
        renamed = true;
    };

    for (const bool withRefill : {false, true}) {
        Progress(withRefill ? QStringLiteral("rename: with the refill")
                            : QStringLiteral("rename: before the refill"));
        const PairedSamples samples = RunAlternating(
            options.Rounds(kFiles), reference,
            [&] {
                const BatchRun run = *session.PlanRun();
                if (withRefill) {
                    session.ExecuteRun(run);
                    DrainEvents();
                } else {
                    ExecuteBatch(bench.fileSystem, run, window.Progress());
                }
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
        const double most = withRefill ? 1.2 : 1.3;
        result.target = QStringLiteral("ratio <= %1").arg(most);
        result.met = *result.Ratio() <= most;
        results.push_back(result);
    }

    // The undo of a run until the table is shown, against the bare renames back. Each round
    // starts from a run of the session's, so that there is a run to take back.
    Progress(QStringLiteral("rename: undo until shown"));
    auto runForward = [&] {
        if (!renamed) {
            Settle();
            session.Refill();
            session.ExecuteRun(*session.PlanRun());
            DrainEvents();
        }
        renamed = true;
    };
    const PairedSamples undoSamples = RunAlternating(
        options.Rounds(kFiles),
        [&] {
            referenceFailures += ReferenceRenames(folder.encodedPath(), prefixed, names);
            renamed = false;
        },
        [&] {
            session.UndoLast();
            DrainEvents();
            renamed = false;
        },
        runForward);
    restore();
    BenchResult undo;
    undo.name = QStringLiteral("undo of a batch rename, until shown");
    undo.n = kFiles;
    undo.SetProgramTimes(undoSamples.programMs);
    undo.referenceMedianMs = Median(undoSamples.referenceMs);
    undo.target = QStringLiteral("ratio <= 1.2");
    undo.met = *undo.Ratio() <= 1.2;
    results.push_back(undo);
    if (referenceFailures != 0 || bench.boxes.errors != 0)
        Progress(QStringLiteral("rename: %1 reference failures, %2 error boxes")
                     .arg(referenceFailures)
                     .arg(bench.boxes.errors));
}

}  // namespace miravel::bench
