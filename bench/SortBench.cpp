#include <QItemSelectionModel>
#include <QTemporaryDir>

#include "BenchWindow.h"
#include "Benches.h"
#include "SampleFolder.h"
#include "Timing.h"
#include "files/widgets/FileTableItemModel.h"
#include "files/widgets/FileTableView.h"

namespace miravel::bench {

namespace {

constexpr qint64 kRows = 100000;

BenchResult SortResult(const QString& name, const std::vector<double>& samples) {
    BenchResult result;
    result.name = name;
    result.n = kRows;
    result.SetProgramTimes(samples);
    result.target = QStringLiteral("< 100 ms");
    result.met = *result.medianMs < 100;
    return result;
}

// Every other row selected: the selection that costs a sort the most bookkeeping.
void SelectEveryOtherRow(MainWindow& window) {
    FileTableItemModel* model = window.TableModel();
    QItemSelection selection;
    const int lastColumn = model->columnCount() - 1;
    for (int row = 0; row < model->rowCount(); row += 2)
        selection.append(QItemSelectionRange(model->index(row, 0), model->index(row, lastColumn)));
    window.TableView()->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
}

}  // namespace

void RunSortBenchmarks(const BenchOptions& options, SampleFolders& folders, BenchResults& results) {
    const SampleFolder* sample = folders.Get(int(kRows));
    if (sample == nullptr)
        return;
    const SampleFolder& folder = *sample;
    QTemporaryDir config;
    BenchWindow bench(folder.path(), config.path());
    FileTableItemModel* model = bench.window().TableModel();
    const int rounds = options.Rounds(kRows);

    // The layout change is part of each sort: the view and the selection follow the rows.
    auto sortBy = [&](int column, Qt::SortOrder order) {
        model->sort(column, order);
        DrainEvents();
    };
    for (int column = 0; column < kFileColumnCount; ++column) {
        Progress(QStringLiteral("sort: by %1").arg(FileTableModel::ColumnKey(column)));
        // Each round starts from the order another column gave.
        const std::vector<double> samples = RunRepeated(
            rounds, [&] { sortBy(column, Qt::AscendingOrder); },
            [&] { sortBy((column + 2) % kFileColumnCount, Qt::DescendingOrder); });
        results.push_back(SortResult(
            QStringLiteral("sort by %1, all selected").arg(FileTableModel::ColumnKey(column)),
            samples));
    }

    Progress(QStringLiteral("sort: by name, every other row selected"));
    const std::vector<double> samples = RunRepeated(
        rounds, [&] { sortBy(kNameColumn, Qt::AscendingOrder); },
        [&] {
            sortBy(kSizeColumn, Qt::DescendingOrder);
            SelectEveryOtherRow(bench.window());
            DrainEvents();
        });
    BenchResult scattered =
        SortResult(QStringLiteral("sort by name, every other row selected"), samples);
    scattered.target = QStringLiteral("< 50 ms");
    scattered.met = *scattered.medianMs < 50;
    results.push_back(scattered);
}

}  // namespace miravel::bench
