#include <QAbstractItemModelTester>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>

#include "files/DragReorder.h"
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
        row.size = 10 * (n + 1);
        row.sizeDigits = 4;
        row.type = "text";
        row.number = qint32(++n);
        row.numberDigits = qint8(DigitCount(names.size()));
        rows.push_back(row);
    }
    return rows;
}

QStringList Names(const std::vector<FileRow>& rows) {
    QStringList names;
    for (const FileRow& row : rows)
        names << row.name;
    return names;
}

QStringList NumberTexts(const std::vector<FileRow>& rows) {
    QStringList numbers;
    for (const FileRow& row : rows)
        numbers << row.NumberText();
    return numbers;
}

QStringList HeaderImages(const FileTableModel& model) {
    QStringList images;
    for (int column = 0; column < kFileColumnCount; ++column)
        images << model.HeaderImage(column);
    return images;
}

const QStringList kSix = {"1", "2", "3", "4", "5", "6"};

}  // namespace

class DragReorderTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void movesDraggedRowsBelowTheTarget_data() {
        QTest::addColumn<QStringList>("dragged");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("rows 2 and 5 onto 3")
            << QStringList{"_2", "_5"} << "_3" << QStringList{"1", "3", "2", "5", "4", "6"};
        QTest::newRow("rows 2 and 5 onto 5, one of them")
            << QStringList{"_2", "_5"} << "_5" << QStringList{"1", "3", "4", "5", "2", "6"};
        QTest::newRow("one row onto itself") << QStringList{"_4"} << "_4" << kSix;
        QTest::newRow("onto the first row")
            << QStringList{"_6"} << "_1" << QStringList{"1", "6", "2", "3", "4", "5"};
        QTest::newRow("upwards and downwards at once")
            << QStringList{"_1", "_6"} << "_3" << QStringList{"2", "3", "1", "6", "4", "5"};
        QTest::newRow("payload order is kept")
            << QStringList{"_5", "_2"} << "_3" << QStringList{"1", "3", "5", "2", "4", "6"};
        QTest::newRow("unknown keys are ignored")
            << QStringList{"_9", "", "_2"} << "_6" << QStringList{"1", "3", "4", "5", "6", "2"};
        QTest::newRow("a key named twice moves one row")
            << QStringList{"_2", "_2"} << "_4" << QStringList{"1", "3", "4", "2", "5", "6"};
        QTest::newRow("no keys only renumbers") << QStringList{} << "_3" << kSix;
        QTest::newRow("every row onto the last")
            << QStringList{"_1", "_2", "_3", "_4", "_5", "_6"} << "_6"
            << QStringList{"6", "1", "2", "3", "4", "5"};
    }
    void movesDraggedRowsBelowTheTarget() {
        QFETCH(QStringList, dragged);
        QFETCH(QString, target);
        QFETCH(QStringList, order);
        std::vector<FileRow> rows = RowsNamed(kSix);
        for (FileRow& row : rows)  // numbers that must be replaced
            row.number = 99;
        const std::optional<std::vector<FileRow>> moved = MoveDraggedRows(rows, target, dragged);
        QVERIFY(moved);
        QCOMPARE(Names(*moved), order);
        QCOMPARE(NumberTexts(*moved), kSix);
        for (const FileRow& row : *moved) {
            const FileRow& before = rows[size_t(row.name.toInt() - 1)];
            QCOMPARE(row.size, before.size);
            QCOMPARE(row.SizeText(), before.SizeText());
            QCOMPARE(row.type, before.type);
        }
    }

    void aTargetThatIsNoRowChangesNothing() {
        QVERIFY(!MoveDraggedRows(RowsNamed(kSix), "_7", {"_2"}));
        QVERIFY(!MoveDraggedRows({}, "_1", {}));
    }

    void aNameInsideAnotherIsNotDraggedAlong() {
        const std::vector<FileRow> rows = RowsNamed({"a.txt", "ab.txt", "b.txt", "c.txt"});
        const QString payload = DragPayload(rows, {1});
        QCOMPARE(payload, QString("_ab.txt\r\n"));
        const std::optional<QStringList> keys = DraggedKeys(payload);
        QVERIFY(keys);
        const auto moved = MoveDraggedRows(rows, "_c.txt", *keys);
        QVERIFY(moved);
        QCOMPARE(Names(*moved), (QStringList{"a.txt", "b.txt", "c.txt", "ab.txt"}));
    }

    void aNameWithALineBreakIsDraggedAlone_data() {
        QTest::addColumn<QString>("dragged");
        QTest::newRow("CR LF inside") << QString("a\r\n_b.txt");
        QTest::newRow("CR LF first") << QString("\r\n_a");
        QTest::newRow("CR LF last") << QString("b.txt\r\n");
        QTest::newRow("line feed alone") << QString("a\n_b.txt");
    }
    void aNameWithALineBreakIsDraggedAlone() {
        QFETCH(QString, dragged);
        FileTableModel model;
        QAbstractItemModelTester tester(&model);
        model.SetRows(RowsNamed({dragged, "a", "b.txt", "c", "z"}));
        std::unique_ptr<QMimeData> data(model.mimeData({model.index(0, kNameColumn)}));
        QVERIFY(data);
        QVERIFY(data->text().endsWith("\r\n"));
        QCOMPARE(data->text().count("\r\n"), 1);
        QVERIFY(model.dropMimeData(data.get(), Qt::MoveAction, -1, -1, model.index(3, 0)));
        QCOMPARE(Names(model.Rows()), (QStringList{"a", "b.txt", "c", dragged, "z"}));
    }

    void numbersArePaddedToTheRowCount_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::newRow("9 rows, one character") << 9 << "1"
                                               << "9";
        QTest::newRow("10 rows, two characters") << 10 << " 1"
                                                 << "10";
        QTest::newRow("120 rows") << 120 << "  1"
                                  << "120";
    }
    void numbersArePaddedToTheRowCount() {
        QFETCH(int, count);
        QStringList names;
        for (int i = 1; i <= count; ++i)
            names << QString::number(i);
        const auto moved = MoveDraggedRows(RowsNamed(names), "_1", {"_" + names.last()});
        QVERIFY(moved);
        QCOMPARE(moved->at(1).name, names.last());
        QTEST(moved->front().NumberText(), "first");
        QTEST(moved->back().NumberText(), "last");
        for (const FileRow& row : *moved)
            QCOMPARE(row.NumberText().size(), QString::number(count).size());
    }

    void readsThePayload_data() {
        QTest::addColumn<QString>("payload");
        QTest::addColumn<bool>("ours");
        QTest::addColumn<QStringList>("keys");
        QTest::newRow("two keys") << "_a\r\n_b\r\n" << true << QStringList{"_a", "_b"};
        QTest::newRow("one key") << "_a\r\n" << true << QStringList{"_a"};
        QTest::newRow("empty carries no keys") << "" << true << QStringList{};
        QTest::newRow("text without a line end") << "_a" << false << QStringList{};
        QTest::newRow("bare line feeds") << "_a\n_b\n" << false << QStringList{};
        QTest::newRow("the piece after the last line end is not a key")
            << "_a\r\n_b" << true << QStringList{"_a"};
    }
    void readsThePayload() {
        QFETCH(QString, payload);
        QFETCH(bool, ours);
        QFETCH(QStringList, keys);
        const std::optional<QStringList> read = DraggedKeys(payload);
        QCOMPARE(read.has_value(), ours);
        if (read)
            QCOMPARE(*read, keys);
    }

    void modelPayloadHoldsSelectedRowsInDisplayOrder() {
        FileTableModel model;
        QAbstractItemModelTester tester(&model);
        model.SetRows(RowsNamed(kSix));
        QCOMPARE(model.mimeTypes(), QStringList{"text/plain"});
        // Several cells of a row, given out of order, still make one key per row.
        const QModelIndexList indexes = {model.index(4, kSizeColumn), model.index(1, kNameColumn),
                                         model.index(4, kNameColumn), model.index(1, kNoColumn)};
        std::unique_ptr<QMimeData> data(model.mimeData(indexes));
        QVERIFY(data);
        QCOMPARE(data->text(), QString("_2\r\n_5\r\n"));
        QVERIFY(!model.mimeData({}));
    }

    void modelDropMovesRenumbersAndSortsByNumber() {
        FileTableModel model;
        QAbstractItemModelTester tester(&model);
        model.SetRows(RowsNamed(kSix));
        model.SortByColumn(kNameColumn);  // name descending: 6 5 4 3 2 1
        QCOMPARE(Names(model.Rows()), (QStringList{"6", "5", "4", "3", "2", "1"}));
        QMimeData data;
        data.setText("_5\r\n_2\r\n");
        const int target = model.FindRowByKey("_3");
        QVERIFY(model.canDropMimeData(&data, Qt::MoveAction, -1, -1, model.index(target, 0)));
        QVERIFY(model.dropMimeData(&data, Qt::MoveAction, -1, -1, model.index(target, 0)));
        // Display order was 6 5 4 3 2 1: 5 and 2 follow 3, the others keep their order.
        QCOMPARE(Names(model.Rows()), (QStringList{"6", "4", "3", "5", "2", "1"}));
        QCOMPARE(NumberTexts(model.Rows()), kSix);
        QCOMPARE(HeaderImages(model),
                 (QStringList{"noicon", "noicon", "noicon", "noicon", "noicon", "up"}));
        QCOMPARE(model.LastSortColumn(), int(kNoColumn));
        QCOMPARE(model.SortColumn(), int(kNoColumn));
        QCOMPARE(model.SortOrder(), Qt::AscendingOrder);

        // The drop counts as a click on "No": the next one toggles to descending.
        model.SortByColumn(kNoColumn);
        QCOMPARE(Names(model.Rows()), (QStringList{"1", "2", "5", "3", "4", "6"}));
        QCOMPARE(model.HeaderImage(kNoColumn), QString("down"));
    }

    void modelIgnoresDropsItCannotUse_data() {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QByteArray>("payload");
        QTest::addColumn<int>("target");
        QTest::newRow("text without a line end") << "text/plain" << QByteArray("_2") << 2;
        QTest::newRow("not onto a row") << "text/plain" << QByteArray("_2\r\n") << -1;
        QTest::newRow("no plain text") << "application/x-other" << QByteArray("_2\r\n") << 2;
    }
    void modelIgnoresDropsItCannotUse() {
        QFETCH(QString, format);
        QFETCH(QByteArray, payload);
        QFETCH(int, target);
        FileTableModel model;
        QAbstractItemModelTester tester(&model);
        model.SetRows(RowsNamed(kSix));
        QMimeData data;
        data.setData(format, payload);
        QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
        const QModelIndex parent = target >= 0 ? model.index(target, 0) : QModelIndex();
        QVERIFY(!model.dropMimeData(&data, Qt::MoveAction, -1, -1, parent));
        QCOMPARE(Names(model.Rows()), kSix);
        QCOMPARE(resets.count(), 0);
        QCOMPARE(model.LastSortColumn(), int(kNameColumn));
    }
};

QTEST_GUILESS_MAIN(DragReorderTest)
#include "tst_dragreorder.moc"
