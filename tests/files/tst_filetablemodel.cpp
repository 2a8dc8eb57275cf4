#include <QAbstractItemModelTester>
#include <QSignalSpy>
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
        row.number = qint32(++n);
        row.numberDigits = qint8(DigitCount(names.size()));
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
        const QStringList captions = {"名前", "サイズ", "種類", "作成日", "更新日", "No", "変換後"};
        const QStringList keys = {"name", "size", "type", "make", "renew", "NO", ""};
        QCOMPARE(model.columnCount(), 7);
        for (int column = 0; column < 7; ++column) {
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

    // A fill hands over its rows in the listing's order; the table must end as a sort of them
    // would leave it, under whatever sort the user chose before, and tell the views by a reset.
    void listedRowsTakeTheRememberedSort_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<bool>("descending");
        for (int column = 0; column < kFileColumnCount; ++column) {
            const QByteArray key = FileTableModel::ColumnKey(column).toUtf8();
            QTest::newRow((key + " up").constData()) << column << false;
            QTest::newRow((key + " down").constData()) << column << true;
        }
    }
    void listedRowsTakeTheRememberedSort() {
        QFETCH(int, column);
        QFETCH(bool, descending);
        const Qt::SortOrder order = descending ? Qt::DescendingOrder : Qt::AscendingOrder;
        // In name order, numbered in it, with sizes, types and times that tie now and then.
        std::vector<FileRow> listed =
            RowsNamed({"a1", "A2", "a10", "b", "Café", "写真1", "写真02"});
        for (size_t i = 0; i < listed.size(); ++i) {
            listed[i].size = qint64((i * 7) % 3) * 1500;
            listed[i].sizeDigits = 4;
            listed[i].type = i % 2 ? "text" : "image";
            listed[i].created = LocalDateTime::FromFields(2020, 1, 1 + int(i % 3), 0, 0, 0);
            listed[i].modified = LocalDateTime::FromFields(2021, 2, 3, int(i), 0, 0);
        }
        FileTableModel sorted;
        sorted.SetRows(listed);
        sorted.sort(column, order);

        FileTableModel model;
        QAbstractItemModelTester tester(&model);
        model.sort(column, order);
        QSignalSpy layouts(&model, &QAbstractItemModel::layoutChanged);
        QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
        model.SetListedRows(listed);
        QCOMPARE(Names(model), Names(sorted));
        QCOMPARE(resets.size(), 1);
        QCOMPARE(layouts.size(), 0);
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
