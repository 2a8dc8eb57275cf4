#include <QAbstractItemModelTester>
#include <QTest>

#include "files/FileTableModel.h"
#include "files/Formats.h"

using namespace miravel;

namespace {

std::vector<FileRow> RowsNamed(const QStringList& names) {
    std::vector<FileRow> rows;
    qint64 n = 0;
    for (const QString& name : names) {
        FileRow row;
        row.name = name;
        row.numberText = RowNumberText(++n, names.size());
        rows.push_back(row);
    }
    return rows;
}

QStringList Names(const FileTableModel& model) {
    QStringList names;
    for (const FileRow& row : model.Rows())
        names << row.name;
    return names;
}

}  // namespace

class FileTableModelTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void columnsHaveTheirCaptionsAndKeys() {
        FileTableModel model;
        QAbstractItemModelTester tester(&model);
        const QStringList captions = {"名前", "サイズ", "種類", "作成日", "更新日", "No"};
        const QStringList keys = {"name", "size", "type", "make", "renew", "NO"};
        QCOMPARE(model.columnCount(), 6);
        for (int column = 0; column < 6; ++column) {
            QCOMPARE(model.headerData(column, Qt::Horizontal).toString(), captions[column]);
            QCOMPARE(FileTableModel::ColumnKey(column), keys[column]);
        }
    }

    void sortsNamesNaturallyIgnoringCase_data() {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("ascending");
        QTest::newRow("numbers by value") << QStringList{"ep10.mp4", "ep2.mp4", "ep1.mp4"}
                                          << QStringList{"ep1.mp4", "ep2.mp4", "ep10.mp4"};
        QTest::newRow("case ignored") << QStringList{"b.txt", "A.txt", "a.txt", "C.txt"}
                                      << QStringList{"A.txt", "a.txt", "b.txt", "C.txt"};
        QTest::newRow("leading zeros")
            << QStringList{"x010", "x9", "x02", "x2"} << QStringList{"x2", "x02", "x9", "x010"};
        QTest::newRow("japanese") << QStringList{"第10話", "第2話", "資料"}
                                  << QStringList{"第2話", "第10話", "資料"};
    }
    void sortsNamesNaturallyIgnoringCase() {
        QFETCH(QStringList, names);
        QFETCH(QStringList, ascending);
        FileTableModel model;
        QAbstractItemModelTester tester(&model);
        model.SetRows(RowsNamed(names));
        model.sort(kNameColumn, Qt::AscendingOrder);
        QCOMPARE(Names(model), ascending);
        model.sort(kNameColumn, Qt::DescendingOrder);
        std::reverse(ascending.begin(), ascending.end());
        QCOMPARE(Names(model), ascending);
    }

    void sortByNumberRestoresListingOrder() {
        FileTableModel model;
        QAbstractItemModelTester tester(&model);
        const QStringList names = {"c", "a", "b", "d", "e", "f", "g", "h", "i", "j", "k"};
        model.SetRows(RowsNamed(names));
        model.sort(kNameColumn, Qt::DescendingOrder);
        model.sort(kNoColumn, Qt::AscendingOrder);
        QCOMPARE(Names(model), names);
        QCOMPARE(model.SortColumn(), int(kNoColumn));
    }

    void sortIsStableOnEqualTexts() {
        FileTableModel model;
        std::vector<FileRow> rows = RowsNamed({"1", "2", "3", "4"});
        for (FileRow& row : rows)
            row.type = "same";
        model.SetRows(rows);
        model.sort(kTypeColumn, Qt::DescendingOrder);
        QCOMPARE(Names(model), (QStringList{"1", "2", "3", "4"}));
    }

    void persistentIndexesFollowTheirRows() {
        FileTableModel model;
        model.SetRows(RowsNamed({"b", "c", "a"}));
        QPersistentModelIndex c = model.index(1, 0);
        model.sort(kNameColumn, Qt::AscendingOrder);
        QCOMPARE(c.row(), 2);
        QCOMPARE(model.data(c).toString(), QString("c"));
    }

    void findsRowsByKey() {
        FileTableModel model;
        model.SetRows(RowsNamed({"2009.txt", "b.txt"}));
        QCOMPARE(model.Row(0).Key(), QString("_2009.txt"));
        QCOMPARE(model.FindRowByKey("_b.txt"), 1);
        QCOMPARE(model.FindRowByKey("b.txt"), -1);
    }
};

QTEST_GUILESS_MAIN(FileTableModelTest)
#include "tst_filetablemodel.moc"
