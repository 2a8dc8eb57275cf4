#include <QTest>
#include <QTreeView>

#include "TableViewDriving.h"
#include "files/FileTableModel.h"
#include "files/RowSelection.h"
#include "files/RowSelectionModel.h"
#include "files/widgets/FileTableView.h"

using namespace miravel;

namespace {

std::vector<FileRow> Rows(int count) {
    std::vector<FileRow> rows;
    for (int n = 1; n <= count; ++n) {
        FileRow row;
        row.name = QString("f%1.txt").arg(count - n);
        row.size = n * 700;
        row.sizeDigits = 6;  // as a fill pads them, by the largest size
        row.number = n;
        rows.push_back(row);
    }
    return rows;
}

QModelIndexList SortedSelection(const QItemSelectionModel& selection) {
    QModelIndexList indexes = selection.selectedIndexes();
    std::sort(indexes.begin(), indexes.end());
    return indexes;
}

}  // namespace

// Selecting every row takes one range, whatever the table's size, and selects what the tree
// view's own way would.
class TableSelectAllTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void SelectsWhatTheTreeViewWould_data() {
        QTest::addColumn<int>("rows");
        QTest::newRow("empty") << 0;
        QTest::newRow("one row") << 1;
        QTest::newRow("several rows") << 7;
    }
    void SelectsWhatTheTreeViewWould() {
        QFETCH(int, rows);
        FileTableModel model;
        model.SetRows(Rows(rows));
        FileTableView view;
        view.setModel(&model);
        QTreeView plain;
        plain.setModel(&model);
        plain.setSelectionMode(view.selectionMode());
        plain.setSelectionBehavior(view.selectionBehavior());

        view.selectionModel()->select(model.index(0, 0), QItemSelectionModel::Select);
        view.selectAll();
        plain.selectAll();
        QCOMPARE(SortedSelection(*view.selectionModel()), SortedSelection(*plain.selectionModel()));
        QCOMPARE(view.SelectedRows().size(), size_t(rows));
        QCOMPARE(view.selectionModel()->selection().size(), rows > 0 ? 1 : 0);
    }

    void EveryRowStaysSelectedThroughASort() {
        FileTableModel model;
        model.SetRows(Rows(300));
        FileTableView view;
        view.setModel(&model);
        view.selectAll();
        model.sort(kSizeColumn, Qt::DescendingOrder);
        QCOMPARE(view.SelectedRows().size(), size_t(300));
        QCOMPARE(model.Row(0).size, qint64(300 * 700));
    }

    // With more selected runs than Qt's ranges hold, clicks are decided from the flags: a Ctrl
    // click takes a selected row out, a click on a selected row keeps only it.
    void ClicksOnALargeSelectionFollowTheFlags_data() {
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<int>("selectedAfter");
        QTest::newRow("Ctrl-click") << Qt::KeyboardModifiers(Qt::ControlModifier) << 149;
        QTest::newRow("click") << Qt::KeyboardModifiers() << 1;
    }
    void ClicksOnALargeSelectionFollowTheFlags() {
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(int, selectedAfter);
        FileTableModel model;
        model.SetRows(Rows(300));
        RowSelection selection(&model);
        FileTableView view;
        view.setModel(&model);
        view.setSelectionModel(selection.Model());
        view.resize(400, 300);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QItemSelection everyOther;
        for (int row = 0; row < 300; row += 2)
            everyOther.select(model.index(row, 0), model.index(row, kNameColumn));
        selection.Model()->select(everyOther, QItemSelectionModel::ClearAndSelect);
        QVERIFY(!selection.Model()->isSelected(model.index(250, 0)));  // beyond Qt's ranges

        test::ClickCell(view, 250, kNameColumn, modifiers);
        QCOMPARE(int(view.SelectedRows().size()), selectedAfter);
        QCOMPARE(selection.IsSelected(250), selectedAfter == 1);
    }

    void SingleSelectionSelectsNothing() {
        FileTableModel model;
        model.SetRows(Rows(3));
        FileTableView view;
        view.setModel(&model);
        view.setSelectionMode(QAbstractItemView::SingleSelection);
        view.selectAll();
        QVERIFY(!view.selectionModel()->hasSelection());
    }
};

QTEST_MAIN(TableSelectAllTest)
#include "tst_tableselectall.moc"
