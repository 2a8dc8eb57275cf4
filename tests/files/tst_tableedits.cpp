#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

#include "files/FileTableModel.h"
#include "files/Formats.h"

using namespace miravel;

namespace {

std::vector<FileRow> RowsNumbered(int count) {
    std::vector<FileRow> rows;
    for (int n = 1; n <= count; ++n) {
        FileRow row;
        row.name = QStringLiteral("f%1").arg(n);
        row.number = n;
        row.numberDigits = qint8(DigitCount(count));
        rows.push_back(row);
    }
    return rows;
}

QStringList NumberTexts(const FileTableModel& model) {
    QStringList numbers;
    for (const FileRow& row : model.Rows())
        numbers << row.NumberText();
    return numbers;
}

}  // namespace

class TableEditsTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void removesRowsKeepingTheOthersAndTheirNumbers_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<QList<int>>("removed");  // 0-based rows
        QTest::addColumn<QStringList>("numbers");
        QTest::newRow("rows 2 and 5 of 6")
            << 6 << QList<int>{1, 4} << QStringList{"1", "3", "4", "6"};
        QTest::newRow("none") << 6 << QList<int>{} << QStringList{"1", "2", "3", "4", "5", "6"};
        QTest::newRow("a run and repeats")
            << 6 << QList<int>{3, 2, 3, 0} << QStringList{"2", "5", "6"};
        QTest::newRow("all") << 3 << QList<int>{0, 1, 2} << QStringList{};
        QTest::newRow("rows that do not exist")
            << 3 << QList<int>{-1, 7} << QStringList{"1", "2", "3"};
        QList<int> everyOther;
        QStringList kept;
        for (int row = 0; row < 100; ++row) {
            if (row % 2 == 0)
                everyOther << row;
            else
                kept << RowNumberText(row + 1, 100);
        }
        QTest::newRow("scattered over a large table") << 100 << everyOther << kept;
    }
    void removesRowsKeepingTheOthersAndTheirNumbers() {
        QFETCH(int, count);
        QFETCH(QList<int>, removed);
        QFETCH(QStringList, numbers);
        FileTableModel model;
        QAbstractItemModelTester tester(&model);
        model.SetRows(RowsNumbered(count));
        model.RemoveRowsAt(std::vector<int>(removed.begin(), removed.end()));
        QCOMPARE(NumberTexts(model), numbers);
        QCOMPARE(model.rowCount(), numbers.size());
    }

    void removalKeepsTheRemainingRowsIndexes() {
        FileTableModel model;
        QAbstractItemModelTester tester(&model);
        model.SetRows(RowsNumbered(6));
        const QPersistentModelIndex sixth = model.index(5, kNameColumn);
        QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
        model.RemoveRowsAt({1, 4});
        QCOMPARE(resets.count(), 0);
        QCOMPARE(sixth.row(), 3);
        QCOMPARE(sixth.data().toString(), QString("f6"));
    }

    void onlyTheNameIsEditableAndStaysUnique_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("name");
        QTest::newRow("new name") << int(kNameColumn) << "g.txt" << true << "g.txt";
        QTest::newRow("its own name") << int(kNameColumn) << "f2" << true << "f2";
        QTest::newRow("another row's name") << int(kNameColumn) << "f3" << false << "f2";
        QTest::newRow("another row's name in other case")
            << int(kNameColumn) << "F3" << true << "F3";
        QTest::newRow("size column") << int(kSizeColumn) << "9KB" << false << "f2";
    }
    void onlyTheNameIsEditableAndStaysUnique() {
        QFETCH(int, column);
        QFETCH(QString, text);
        QFETCH(bool, accepted);
        QFETCH(QString, name);
        FileTableModel model;
        QAbstractItemModelTester tester(&model);
        model.SetRows(RowsNumbered(3));
        const QModelIndex index = model.index(1, column);
        QCOMPARE(bool(model.flags(index) & Qt::ItemIsEditable), column == kNameColumn);
        QCOMPARE(model.setData(index, text), accepted);
        QCOMPARE(model.Row(1).name, name);
        QCOMPARE(model.Row(1).Key(), "_" + name);
        QCOMPARE(model.FindRowByKey("_" + name), 1);
    }
};

QTEST_GUILESS_MAIN(TableEditsTest)
#include "tst_tableedits.moc"
