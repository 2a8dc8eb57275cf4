#include <QTest>

#include "files/Formats.h"

using namespace miravel;

class FormatsTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void sizeText_data() {
        QTest::addColumn<qint64>("bytes");
        QTest::addColumn<qint64>("largest");
        QTest::addColumn<QString>("expected");
        QTest::newRow("0 of 1025") << 0LL << 1025LL << "   0KB";
        QTest::newRow("1 of 1025") << 1LL << 1025LL << "   1KB";
        QTest::newRow("1024 of 1025") << 1024LL << 1025LL << "   1KB";
        QTest::newRow("1025 of 1025") << 1025LL << 1025LL << "   2KB";
        QTest::newRow("500 of 2000000") << 500LL << 2000000LL << "      1KB";
        QTest::newRow("3000 of 2000000") << 3000LL << 2000000LL << "      3KB";
        QTest::newRow("2000000 of itself") << 2000000LL << 2000000LL << "   1,954KB";
        QTest::newRow("1 MiB of itself") << 1048576LL << 1048576LL << "   1,024KB";
        QTest::newRow("0 of 0") << 0LL << 0LL << "0KB";
        QTest::newRow("5 GB of itself") << 5000000000LL << 5000000000LL << "   4,882,813KB";
    }
    void sizeText() {
        QFETCH(qint64, bytes);
        QFETCH(qint64, largest);
        QFETCH(QString, expected);
        QCOMPARE(SizeText(bytes, DigitCount(largest)), expected);
    }

    void sizeTextsSortLikeSizes() {
        const int width = DigitCount(5000000000LL);
        const qint64 sizes[] = {0, 1, 1025, 999999, 1000000, 1048576, 123456789, 5000000000LL};
        for (size_t i = 1; i < std::size(sizes); ++i)
            QVERIFY2(SizeText(sizes[i - 1], width) <= SizeText(sizes[i], width),
                     qPrintable(SizeText(sizes[i], width)));
    }

    void formatSizeTotal_data() {
        QTest::addColumn<double>("bytes");
        QTest::addColumn<QString>("expected");
        QTest::newRow("zero") << 0.0 << "0 バイト";
        QTest::newRow("100") << 100.0 << "100 バイト";
        QTest::newRow("1023") << 1023.0 << "1023 バイト";
        QTest::newRow("1024") << 1024.0 << "1 KB";
        QTest::newRow("1536") << 1536.0 << "1.5 KB";
        QTest::newRow("1048575 rounds up") << 1048575.0 << "1,024 KB";
        QTest::newRow("2003500") << 2003500.0 << "1.91 MB";
        QTest::newRow("5000000") << 5000000.0 << "4.77 MB";
        QTest::newRow("3000000000") << 3000000000.0 << "2.79 GB";
        QTest::newRow("2 TiB") << 2199023255552.0 << "2,048 GB";
    }
    void formatSizeTotal() {
        QFETCH(double, bytes);
        QFETCH(QString, expected);
        QCOMPARE(FormatSizeTotal(bytes), expected);
    }

    void rowNumberText_data() {
        QTest::addColumn<qint64>("n");
        QTest::addColumn<qint64>("rows");
        QTest::addColumn<QString>("expected");
        QTest::newRow("1 of 9") << 1LL << 9LL << "1";
        QTest::newRow("1 of 10") << 1LL << 10LL << " 1";
        QTest::newRow("10 of 10") << 10LL << 10LL << "10";
        QTest::newRow("7 of 120") << 7LL << 120LL << "  7";
        QTest::newRow("45 of 120") << 45LL << 120LL << " 45";
        QTest::newRow("120 of 120") << 120LL << 120LL << "120";
    }
    void rowNumberText() {
        QFETCH(qint64, n);
        QFETCH(qint64, rows);
        QFETCH(QString, expected);
        QCOMPARE(RowNumberText(n, rows), expected);
    }

    void digitCount() {
        QCOMPARE(DigitCount(0), 1);
        QCOMPARE(DigitCount(9), 1);
        QCOMPARE(DigitCount(10), 2);
        QCOMPARE(DigitCount(99999999), 8);
        QCOMPARE(DigitCount(100000000), 9);
    }
};

QTEST_GUILESS_MAIN(FormatsTest)
#include "tst_formats.moc"
