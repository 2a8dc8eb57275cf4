#include <QTest>

#include "files/DateConditions.h"

using namespace miravel;

// Bounds compare as the joined texts "from 00:00:00" and "to 23:59:59" would, whatever a box
// holds: a half-typed date, an empty box, a text longer than a time.
class DateConditionsTextTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void AgreesWithJoinedTexts_data();
    void AgreesWithJoinedTexts();
};

void DateConditionsTextTest::AgreesWithJoinedTexts_data() {
    QTest::addColumn<QString>("bound");
    QTest::newRow("date") << "2024/03/15";
    QTest::newRow("half typed") << "2024/3";
    QTest::newRow("empty") << "";
    QTest::newRow("time itself") << "2024/03/15 10:00:00";
    QTest::newRow("longer than a time") << "2024/03/15 10:00:00 and more";
    QTest::newRow("blank at the end") << "2024/03/15 ";
    QTest::newRow("letters") << "abcd";
}

void DateConditionsTextTest::AgreesWithJoinedTexts() {
    QFETCH(QString, bound);
    const QStringList times = {"2024/03/15 00:00:00",
                               "2024/03/14 23:59:59",
                               "2024/03/15 23:59:59",
                               "2024/03/16 00:00:00",
                               "2024/03/15 10:00:00",
                               "2024/03/15",
                               "2024/03/15 ",
                               "",
                               "2024/3",
                               "9999/12/31 23:59:59",
                               "0001/01/01 00:00:00"};
    const QString defaultFrom = QString(kDateFromDefault) + " 00:00:00";
    const QString defaultTo = QString(kDateToDefault) + " 23:59:59";
    for (const QString& time : times) {
        DateConditions lower;
        lower.createdFrom = bound;
        QCOMPARE(lower.Accepts(time, u"2000/01/01 00:00:00"),
                 time >= bound + " 00:00:00" && time <= defaultTo);
        DateConditions upper;
        upper.createdTo = bound;
        QCOMPARE(upper.Accepts(time, u"2000/01/01 00:00:00"),
                 time >= defaultFrom && time <= bound + " 23:59:59");
    }
}

QTEST_GUILESS_MAIN(DateConditionsTextTest)
#include "tst_dateconditionstext.moc"
