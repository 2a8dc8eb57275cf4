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
    void init();
    void Formats_data();
    void Formats();
    void AgreesWithQDateTime();
    void ConverterAgreesWithSystem_data();
    void ConverterAgreesWithSystem();
    void PackedTimesOrderAsTheirTexts();
    void ReadsOnlyTextsOfThePattern_data();
    void ReadsOnlyTextsOfThePattern();
    void cleanupTestCase();
};

void LocalTimeTest::initTestCase() {
    // A zone rule rather than a zone file, so the test does not depend on tzdata.
    qputenv("TZ", "JST-9");
    ::tzset();
}

void LocalTimeTest::init() {
    // Each test starts in the same zone, whatever the one before left behind.
    initTestCase();
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

void LocalTimeTest::ConverterAgreesWithSystem_data() {
    QTest::addColumn<QByteArray>("zone");
    // Rules need no zone files; the named zones test whatever this machine has (a missing one
    // falls back to UTC, which still has to agree).
    QTest::newRow("no daylight saving") << QByteArray("JST-9");
    QTest::newRow("central Europe") << QByteArray("CET-1CEST,M3.5.0,M10.5.0/3");
    QTest::newRow("half-hour offset, changes at one minute past")
        << QByteArray("NST3:30NDT,M3.2.0/0:01,M11.1.0/0:01");
    QTest::newRow("quarter-hour offset") << QByteArray("<+0545>-5:45");
    QTest::newRow("half-hour shift, southern summer")
        << QByteArray("<+1030>-10:30<+11>-11,M10.1.0,M4.1.0");
    QTest::newRow("named zone with history") << QByteArray("Europe/Moscow");
    QTest::newRow("named zone with half hours") << QByteArray("America/St_Johns");
    QTest::newRow("leap seconds") << QByteArray("right/Asia/Tokyo");
}

void LocalTimeTest::ConverterAgreesWithSystem() {
    QFETCH(QByteArray, zone);
    qputenv("TZ", zone);
    ::tzset();
    LocalTimeConverter converter;
    QString mismatch;  // the first one
    auto check = [&](qint64 seconds) {
        const QString expected = FormatLocalDateTime(seconds);
        const QString actual = converter.Format(seconds);
        if (actual != expected && mismatch.isEmpty())
            mismatch = QString("%1: %2 instead of %3").arg(seconds).arg(actual, expected);
    };
    // Every 7 minutes 13 seconds through 2021, which crosses each of the rules' changes.
    for (qint64 seconds = 1609459200 - 86400; seconds < 1640995200 + 86400; seconds += 433)
        check(seconds);
    // Scattered over four centuries, before the epoch too.
    quint64 seed = 11;
    for (int i = 0; i < 20000; ++i) {
        seed = seed * 6364136223846793005ULL + 1442695040888963407ULL;
        check(qint64(seed >> 31) % 12600000000LL - 5000000000LL);
    }
    for (const qint64 seconds :
         {qint64(0), qint64(-1), qint64(-62135596800), qint64(-62135596801), qint64(253402300799),
          qint64(253402300800), std::numeric_limits<qint64>::min(),
          std::numeric_limits<qint64>::max()})
        check(seconds);
    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
}

void LocalTimeTest::PackedTimesOrderAsTheirTexts() {
    QStringList texts = {"0001/01/01 00:00:00", "1970/01/01 09:00:00", "2009/02/25 03:09:15",
                         "2009/02/25 03:09:16", "2009/02/25 03:10:00", "2009/02/25 04:00:00",
                         "2009/02/26 00:00:00", "2009/03/01 00:00:00", "2010/01/01 00:00:00",
                         "9999/12/31 23:59:59", "0000/00/00 00:00:00", "1999/12/31 23:59:59"};
    for (const QString& a : texts) {
        const std::optional<LocalDateTime> timeA = LocalDateTime::FromText(a);
        QVERIFY2(timeA, qPrintable(a));
        QCOMPARE(timeA->ToText(), a);
        for (const QString& b : texts) {
            const LocalDateTime timeB = *LocalDateTime::FromText(b);
            QCOMPARE(*timeA < timeB, a < b);
            QCOMPARE(*timeA == timeB, a == b);
        }
    }
    QCOMPARE(LocalDateTime().ToText(), QString("0000/00/00 00:00:00"));
    QCOMPARE(LocalDateTimeOf(1235498955).ToText(), QString("2009/02/25 03:09:15"));
}

void LocalTimeTest::ReadsOnlyTextsOfThePattern_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << "";
    QTest::newRow("date only") << "2009/02/25";
    QTest::newRow("dashes") << "2009-02-25 03:09:15";
    QTest::newRow("letter") << "2009/02/2x 03:09:15";
    QTest::newRow("one character more") << "2009/02/25 03:09:150";
    QTest::newRow("full-width digit") << "2009/02/25 03:09:1５";
}

void LocalTimeTest::ReadsOnlyTextsOfThePattern() {
    QFETCH(QString, text);
    QVERIFY(!LocalDateTime::FromText(text));
}

void LocalTimeTest::cleanupTestCase() {
    qunsetenv("TZ");
    ::tzset();
}

QTEST_GUILESS_MAIN(LocalTimeTest)
#include "tst_localtime.moc"
