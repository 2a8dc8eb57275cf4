#include <QAbstractItemModelTester>
#include <QTest>

#include "files/FileTableFill.h"
#include "files/FileTableModel.h"
#include "files/TableSort.h"

using namespace miravel;

namespace {

struct Listed {
    const char* name;
    qint64 size;
};

// Rows as a fill makes them: sizes padded against the largest, numbered in listing order.
std::vector<FileRow> FilledRows(const std::vector<Listed>& listed) {
    std::vector<ListedFile> files;
    for (const Listed& entry : listed) {
        ListedFile file;
        file.name = QString::fromUtf8(entry.name);
        file.stat.size = entry.size;
        files.push_back(file);
    }
    return BuildFileRows(files, FileRowSources()).rows;
}

QStringList Names(const FileTableModel& model) {
    QStringList names;
    for (const FileRow& row : model.Rows())
        names << row.name;
    return names;
}

QStringList HeaderImages(const FileTableModel& model) {
    QStringList images;
    for (int column = 0; column < kFileColumnCount; ++column)
        images << model.HeaderImage(column);
    return images;
}

}  // namespace

class TableSortTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void headerClickChoosesColumnAndOrder_data() {
        QTest::addColumn<int>("clicked");
        QTest::addColumn<int>("last");
        QTest::addColumn<Qt::SortOrder>("current");
        QTest::addColumn<Qt::SortOrder>("expected");
        QTest::newRow("same column ascending toggles")
            << int(kSizeColumn) << int(kSizeColumn) << Qt::AscendingOrder << Qt::DescendingOrder;
        QTest::newRow("same column descending toggles")
            << int(kSizeColumn) << int(kSizeColumn) << Qt::DescendingOrder << Qt::AscendingOrder;
        QTest::newRow("another column starts ascending")
            << int(kTypeColumn) << int(kSizeColumn) << Qt::AscendingOrder << Qt::AscendingOrder;
        QTest::newRow("another column after descending")
            << int(kNoColumn) << int(kNameColumn) << Qt::DescendingOrder << Qt::AscendingOrder;
    }
    void headerClickChoosesColumnAndOrder() {
        QFETCH(int, clicked);
        QFETCH(int, last);
        QFETCH(Qt::SortOrder, current);
        QFETCH(Qt::SortOrder, expected);
        const SortChoice choice = ChooseHeaderSort(clicked, last, current);
        QCOMPARE(choice.column, clicked);
        QCOMPARE(choice.order, expected);
    }

    void headerClickSequences_data() {
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<QStringList>("order");
        QTest::addColumn<QStringList>("images");
        QTest::addColumn<int>("lastSortColumn");
        const QString up = "up";
        const QString down = "down";
        const QString none = "noicon";
        // Listing order: ep10, ep2, B, a. Sizes 3000, 500, 2,000,000 and 1025 bytes.
        QTest::newRow("first click on the name toggles to descending")
            << QList<int>{kNameColumn} << QStringList{"ep10.txt", "ep2.txt", "B.txt", "a.txt"}
            << QStringList{down, none, none, none, none, none} << int(kNameColumn);
        QTest::newRow("second click on the name ascends again")
            << QList<int>{kNameColumn, kNameColumn}
            << QStringList{"a.txt", "B.txt", "ep2.txt", "ep10.txt"}
            << QStringList{up, none, none, none, none, none} << int(kNameColumn);
        QTest::newRow("size ascending by kilobytes")
            << QList<int>{kSizeColumn} << QStringList{"ep2.txt", "a.txt", "ep10.txt", "B.txt"}
            << QStringList{none, up, none, none, none, none} << int(kSizeColumn);
        QTest::newRow("size clicked twice descends")
            << QList<int>{kSizeColumn, kSizeColumn}
            << QStringList{"B.txt", "ep10.txt", "a.txt", "ep2.txt"}
            << QStringList{none, down, none, none, none, none} << int(kSizeColumn);
        QTest::newRow("size clicked three times ascends")
            << QList<int>{kSizeColumn, kSizeColumn, kSizeColumn}
            << QStringList{"ep2.txt", "a.txt", "ep10.txt", "B.txt"}
            << QStringList{none, up, none, none, none, none} << int(kSizeColumn);
        QTest::newRow("another column after a descending one ascends")
            << QList<int>{kNameColumn, kSizeColumn}
            << QStringList{"ep2.txt", "a.txt", "ep10.txt", "B.txt"}
            << QStringList{none, up, none, none, none, none} << int(kSizeColumn);
        QTest::newRow("No restores the listing order")
            << QList<int>{kNameColumn, kNameColumn, kNoColumn}
            << QStringList{"ep10.txt", "ep2.txt", "B.txt", "a.txt"}
            << QStringList{none, none, none, none, none, up} << int(kNoColumn);
        QTest::newRow("No clicked twice reverses the listing order")
            << QList<int>{kSizeColumn, kNoColumn, kNoColumn}
            << QStringList{"a.txt", "B.txt", "ep2.txt", "ep10.txt"}
            << QStringList{none, none, none, none, none, down} << int(kNoColumn);
    }
    void headerClickSequences() {
        QFETCH(QList<int>, clicks);
        QFETCH(QStringList, order);
        QFETCH(QStringList, images);
        QFETCH(int, lastSortColumn);
        FileTableModel model;
        QAbstractItemModelTester tester(&model);
        model.SetRows(FilledRows(
            {{"ep10.txt", 3000}, {"ep2.txt", 500}, {"B.txt", 2000000}, {"a.txt", 1025}}));
        for (int column : clicks)
            model.SortByColumn(column);
        QCOMPARE(Names(model), order);
        QCOMPARE(HeaderImages(model), images);
        QCOMPARE(model.LastSortColumn(), lastSortColumn);
        QCOMPARE(model.SortColumn(), lastSortColumn);
    }

    void sizeTextsSortByKilobytes_data() {
        QTest::addColumn<QList<qint64>>("sizes");
        QTest::addColumn<QList<qint64>>("ascending");
        QTest::newRow("grouping comma never decides")
            << QList<qint64>{1000 * 1024, 999 * 1024, 1024 * 1024, 5}
            << QList<qint64>{5, 999 * 1024, 1000 * 1024, 1024 * 1024};
        QTest::newRow("bytes round up to whole kilobytes")
            << QList<qint64>{1025, 0, 1024, 1} << QList<qint64>{0, 1024, 1, 1025};
        QTest::newRow("more digits sort later")
            << QList<qint64>{99 * 1024, 9 * 1024, 100 * 1024, 10 * 1024}
            << QList<qint64>{9 * 1024, 10 * 1024, 99 * 1024, 100 * 1024};
    }
    void sizeTextsSortByKilobytes() {
        QFETCH(QList<qint64>, sizes);
        QFETCH(QList<qint64>, ascending);
        std::vector<Listed> listed;
        std::vector<QByteArray> names;
        for (qsizetype i = 0; i < sizes.size(); ++i)
            names.push_back("f" + QByteArray::number(i));
        for (qsizetype i = 0; i < sizes.size(); ++i)
            listed.push_back({names[size_t(i)].constData(), sizes[i]});
        FileTableModel model;
        model.SetRows(FilledRows(listed));
        model.SortByColumn(kSizeColumn);
        QList<qint64> sorted;
        for (const FileRow& row : model.Rows())
            sorted << row.size;
        QCOMPARE(sorted, ascending);
    }

    void namesSortNaturallyThroughTheHeader() {
        FileTableModel model;
        model.SetRows(FilledRows({{"ep10.mp4", 1}, {"EP2.mp4", 1}, {"ep1.mp4", 1}}));
        model.SortByColumn(kSizeColumn);
        model.SortByColumn(kNameColumn);
        QCOMPARE(Names(model), (QStringList{"ep1.mp4", "EP2.mp4", "ep10.mp4"}));
    }

    // A sort by name that follows an earlier one reuses its order; whatever changed the rows in
    // between, it ends as a sort of the rows as they now are.
    void nameSortAfterChangesSortsTheRowsAsTheyAre_data() {
        QTest::addColumn<QString>("change");
        QTest::addColumn<bool>("descending");
        for (const char* change : {"none", "rename", "add", "remove"}) {
            QTest::newRow(qPrintable(QStringLiteral("%1, ascending").arg(change)))
                << QString(change) << false;
            QTest::newRow(qPrintable(QStringLiteral("%1, descending").arg(change)))
                << QString(change) << true;
        }
    }
    void nameSortAfterChangesSortsTheRowsAsTheyAre() {
        QFETCH(QString, change);
        QFETCH(bool, descending);
        FileTableModel model;
        QAbstractItemModelTester tester(&model);
        model.SetRows(FilledRows(
            {{"ep10.mp4", 5}, {"EP2.mp4", 1}, {"ep1.mp4", 3}, {"b.txt", 4}, {"映像.mkv", 2}}));
        model.sort(kNameColumn, Qt::DescendingOrder);
        model.sort(kSizeColumn, Qt::AscendingOrder);
        if (change == "rename")
            QVERIFY(model.SetRowName(0, QStringLiteral("a0.txt")));
        else if (change == "add")
            model.AddRows(FilledRows({{"a.txt", 100}}));
        else if (change == "remove")
            model.RemoveRowsAt({1});
        model.sort(kMadeColumn, Qt::DescendingOrder);
        const Qt::SortOrder order = descending ? Qt::DescendingOrder : Qt::AscendingOrder;
        model.sort(kNameColumn, order);

        FileTableModel fresh;
        fresh.SetRows(model.Rows());
        fresh.sort(kSizeColumn, Qt::AscendingOrder);
        fresh.sort(kNameColumn, order);
        QCOMPARE(Names(model), Names(fresh));
    }
};

QTEST_GUILESS_MAIN(TableSortTest)
#include "tst_tablesort.moc"
