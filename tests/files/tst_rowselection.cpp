#include <QSignalSpy>
#include <QTest>

#include "files/FileTableModel.h"
#include "files/RowSelection.h"
#include "files/RowSelectionModel.h"

using namespace miravel;

namespace {

using Flags = QItemSelectionModel::SelectionFlags;

// "ClearAndSelect 3", "SelectCurrent 3-7", "Clear": a command and the rows it names.
struct Step {
    Flags command;
    int first = -1;
    int last = -1;
};

Step ParseStep(const QString& text) {
    static const QHash<QString, Flags> commands = {
        {"ClearAndSelect", QItemSelectionModel::ClearAndSelect},
        {"SelectCurrent", QItemSelectionModel::SelectCurrent},
        {"Clear|SelectCurrent", QItemSelectionModel::Clear | QItemSelectionModel::SelectCurrent},
        {"Select", QItemSelectionModel::Select},
        {"Deselect", QItemSelectionModel::Deselect},
        {"Toggle", QItemSelectionModel::Toggle},
        {"Clear", QItemSelectionModel::Clear},
    };
    const QStringList parts = text.split(u' ');
    Step step{commands.value(parts[0]) | QItemSelectionModel::Rows};
    if (parts.size() > 1) {
        const QStringList bounds = parts[1].split(u'-');
        step.first = bounds[0].toInt();
        step.last = bounds.value(1, bounds[0]).toInt();
    }
    return step;
}

void Apply(QItemSelectionModel& selection, const Step& step) {
    const QAbstractItemModel* model = selection.model();
    QItemSelection rows;
    if (step.first >= 0)
        rows.select(model->index(step.first, 0), model->index(step.last, model->columnCount() - 1));
    selection.select(rows, step.command);
}

std::vector<int> QtSelectedRows(const QItemSelectionModel& selection) {
    std::vector<int> rows;
    for (const QModelIndex& index : selection.selectedRows())
        rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

std::vector<FileRow> NamedRows(int count) {
    std::vector<FileRow> rows;
    for (int n = 0; n < count; ++n) {
        FileRow row;
        row.name = QStringLiteral("f%1").arg(n, 4, 10, QChar(u'0'));
        row.number = n + 1;
        rows.push_back(row);
    }
    return rows;
}

QStringList SelectedNames(const FileTableModel& table, const RowSelection& selection) {
    QStringList names;
    for (int row : selection.Rows())
        names << table.Row(row).name;
    names.sort();
    return names;
}

}  // namespace

class RowSelectionTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    // The flags answer every command as Qt's own selection model would: clicks, Shift and Ctrl
    // clicks, drags that grow and shrink, toggles.
    void followsQtsSelectionModel_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::newRow("click, then Shift-click")
            << QStringList{"ClearAndSelect 3", "SelectCurrent 3-7", "SelectCurrent 3-5"};
        QTest::newRow("Ctrl adds, Shift extends from it") << QStringList{
            "ClearAndSelect 1", "Select 9", "SelectCurrent 9-12", "SelectCurrent 6-9"};
        QTest::newRow("drag grows and shrinks") << QStringList{
            "ClearAndSelect 2", "Clear|SelectCurrent 2-6", "Clear|SelectCurrent 2-3"};
        QTest::newRow("Ctrl-drag deselects")
            << QStringList{"ClearAndSelect 0-15", "Deselect 4", "Deselect 4-8", "Deselect 4-6"};
        QTest::newRow("toggles") << QStringList{"Select 0-3", "Toggle 2-5", "Toggle 5", "Toggle 0"};
        QTest::newRow("clear") << QStringList{"Select 1-4", "Clear", "Select 8"};
    }
    void followsQtsSelectionModel() {
        QFETCH(QStringList, steps);
        FileTableModel model;
        model.SetRows(NamedRows(16));
        QItemSelectionModel qt(&model);
        RowSelectionModel flags(&model);
        for (const QString& text : steps) {
            const Step step = ParseStep(text);
            Apply(qt, step);
            Apply(flags, step);
            QCOMPARE(flags.Rows(), QtSelectedRows(qt));
        }
    }

    // A scattered selection keeps only a few ranges in Qt's model, all of them selected rows,
    // and tells a change as one range over the rows that changed.
    void scatteredSelectionKeepsFewQtRanges() {
        FileTableModel model;
        model.SetRows(NamedRows(1000));
        RowSelectionModel selection(&model);
        QItemSelection everyOther;
        for (int row = 1; row < 1000; row += 2)
            everyOther.select(model.index(row, 0), model.index(row, 1));
        QSignalSpy changes(&selection, &QItemSelectionModel::selectionChanged);
        selection.select(everyOther, QItemSelectionModel::ClearAndSelect);

        QCOMPARE(selection.Rows().size(), size_t(500));
        QCOMPARE(changes.count(), 1);
        const auto told = changes.first().first().value<QItemSelection>();
        QCOMPARE(told.size(), 1);
        QCOMPARE(told.first().top(), 1);
        QCOMPARE(told.first().bottom(), 999);
        QVERIFY(selection.selection().size() <= 64);
        for (const QModelIndex& index : selection.selectedRows())
            QVERIFY(selection.IsRowSelected(index.row()));

        // A plain query still answers once the selection is small again.
        selection.clearSelection();
        QVERIFY(selection.Rows().empty());
        QVERIFY(!selection.hasSelection());
    }

    // The flags move with their rows through a sort and a removal, and rows added come
    // unselected.
    void followsTheTablesRows() {
        FileTableModel table;
        table.SetRows(NamedRows(200));
        RowSelection selection(&table);
        QItemSelection chosen;
        QStringList names;
        for (int row = 0; row < 200; row += 3) {
            chosen.select(table.index(row, 0), table.index(row, kTableColumnCount - 1));
            names << table.Row(row).name;
        }
        selection.Model()->select(chosen, QItemSelectionModel::ClearAndSelect);

        table.sort(kNameColumn, Qt::DescendingOrder);
        QCOMPARE(SelectedNames(table, selection), names);
        for (int row : selection.Rows())
            QVERIFY(names.contains(table.Row(row).name));

        table.RemoveRowsAt({0, 1, 2});
        names.removeAll(QStringLiteral("f0199"));
        names.removeAll(QStringLiteral("f0198"));
        names.removeAll(QStringLiteral("f0197"));
        QCOMPARE(SelectedNames(table, selection), names);

        selection.SelectAll();
        table.AddRows(NamedRows(1));  // "f0000" again, as a file made elsewhere
        QCOMPARE(selection.Rows().size(), size_t(table.rowCount() - 1));
        for (const QModelIndex& index : selection.Model()->selectedRows())
            QVERIFY(selection.IsSelected(index.row()));
    }
};

QTEST_GUILESS_MAIN(RowSelectionTest)
#include "tst_rowselection.moc"
