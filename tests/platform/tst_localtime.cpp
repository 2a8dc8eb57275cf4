#include <QDateTime>
#include <QTest>
#include <ctime>
#include <limits>

#include "platform/LocalTime.h"

using namespace miravel;

class LocalTimeTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void initTestCase();
    void Formats_data();
    void Formats();
    void AgreesWithQDateTime();
};

void LocalTimeTest::initTestCase() {
    // A zone rule rather than a zone file, so the test does not depend on tzdata.
    qputenv("TZ", "JST-9");
    ::tzset();
}

void LocalTimeTest::Formats_data() {
    QTest::addColumn<qint64>("seconds");
    QTest::addColumn<QString>("text");
    QTest::newRow("epoch") << qint64(0) << "1970/01/01 09:00:00";
    QTest::newRow("single digits padded") << qint64(1235498955) << "2009/02/25 03:09:15";
    QTest::newRow("morning") << qint64(1588294800) << "2020/05/01 10:00:00";
    QTest::newRow("after a leap day") << qint64(951836400) << "2000/03/01 00:00:00";
    QTest::newRow("before the epoch") << qint64(-2177452800) << "1901/01/01 09:00:00";
    QTest::newRow("last second of 9999") << qint64(253402268399) << "9999/12/31 23:59:59";
    QTest::newRow("year 10000 held at the end") << qint64(253402268400) << "9999/12/31 23:59:59";
    QTest::newRow("beyond the C library")
        << std::numeric_limits<qint64>::max() << "9999/12/31 23:59:59";
    QTest::newRow("before year 1 held at the start")
        << qint64(-70000000000) << "0001/01/01 00:00:00";
    QTest::newRow("far before") << std::numeric_limits<qint64>::min() << "0001/01/01 00:00:00";
}

void LocalTimeTest::Formats() {
    QFETCH(qint64, seconds);
    QFETCH(QString, text);
    QCOMPARE(FormatLocalDateTime(seconds), text);
}

void LocalTimeTest::AgreesWithQDateTime() {
    quint32 seed = 7;
    for (int i = 0; i < 2000; ++i) {
        seed = seed * 1664525u + 1013904223u;
        const qint64 seconds = qint64(seed) * 2 - 1000000000;  // 1938 to 2106
        const QString expected =
            QDateTime::fromSecsSinceEpoch(seconds).toString("yyyy/MM/dd HH:mm:ss");
        QCOMPARE(FormatLocalDateTime(seconds), expected);
    }
}

QTEST_GUILESS_MAIN(LocalTimeTest)
#include "tst_localtime.moc"
