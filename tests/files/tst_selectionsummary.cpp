#include <QTest>

#include "files/SelectionSummary.h"

using namespace miravel;

namespace {

std::vector<FileRow> Rows(int count, qint64 size) {
    std::vector<FileRow> rows;
    for (int i = 1; i <= count; ++i) {
        FileRow row;
        row.name = QStringLiteral("f%1.txt").arg(i);
        row.size = size;
        rows.push_back(row);
    }
    return rows;
}

}  // namespace

class SelectionSummaryTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void summarizesTheSelectedRows_data() {
        QTest::addColumn<int>("rowCount");
        QTest::addColumn<qint64>("size");
        QTest::addColumn<QList<int>>("selected");
        QTest::addColumn<qint64>("count");
        QTest::addColumn<QString>("countText");
        QTest::addColumn<QString>("sizeText");
        QTest::addColumn<QString>("placeText");
        const QString inner = "「C:\\data」内の選択したファイル";
        QTest::newRow("none") << 5 << qint64(100) << QList<int>{} << qint64(0)
                              << "0個のファイルを選択"
                              << "0 バイト" << QString();
        QTest::newRow("one names the file")
            << 5 << qint64(100) << QList<int>{2} << qint64(1) << "1個のファイルを選択"
            << "100 バイト"
            << "f3.txt";
        QTest::newRow("two name the folder")
            << 5 << qint64(768) << QList<int>{0, 4} << qint64(2) << "2個のファイルを選択"
            << "1.5 KB" << inner;
        QList<int> twelve;
        for (int row = 0; row < 12; ++row)
            twelve << row + 3;
        QTest::newRow("twelve") << 20 << qint64(1000) << twelve << qint64(12)
                                << "12個のファイルを選択"
                                << "11.7 KB" << inner;
        QList<int> thousand;
        for (int row = 0; row < 1234; ++row)
            thousand << row;
        QTest::newRow("count without grouping")
            << 1234 << qint64(5000000) << thousand << qint64(1234) << "1234個のファイルを選択"
            << "5.75 GB" << inner;
    }
    void summarizesTheSelectedRows() {
        QFETCH(int, rowCount);
        QFETCH(qint64, size);
        QFETCH(QList<int>, selected);
        const std::vector<int> rows(selected.begin(), selected.end());
        const SelectionSummary summary =
            SummarizeSelection(Rows(rowCount, size), rows, QStringLiteral("C:\\data"));
        QTEST(summary.count, "count");
        QTEST(summary.countText, "countText");
        QTEST(summary.sizeText, "sizeText");
        QTEST(summary.placeText, "placeText");
    }

    void selectAllNamesTheFolderWhateverTheCount_data() {
        QTest::addColumn<int>("rowCount");
        QTest::addColumn<QString>("countText");
        QTest::addColumn<QString>("sizeText");
        QTest::newRow("empty table") << 0 << "0個のファイルを選択"
                                     << "0 バイト";
        QTest::newRow("one row") << 1 << "1個のファイルを選択"
                                 << "1023 バイト";
        QTest::newRow("three rows") << 3 << "3個のファイルを選択"
                                    << "3 KB";
    }
    void selectAllNamesTheFolderWhateverTheCount() {
        QFETCH(int, rowCount);
        const SelectionSummary summary =
            SummarizeAllRows(Rows(rowCount, 1023), QStringLiteral("C:\\data"));
        QCOMPARE(summary.count, qint64(rowCount));
        QTEST(summary.countText, "countText");
        QTEST(summary.sizeText, "sizeText");
        QCOMPARE(summary.placeText, QString("「C:\\data」の選択したファイル"));
    }
};

QTEST_GUILESS_MAIN(SelectionSummaryTest)
#include "tst_selectionsummary.moc"
