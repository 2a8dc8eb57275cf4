#include "files/DateEntry.h"

#include <QTest>

using miravel::DateEntryEditText;
using miravel::ParseDateEntry;

class TestDateEntry : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void typedEntries_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("accepted");  // empty: rejected
        QTest::newRow("19010101 round trip") << "19010101" << 2026 << "1901/01/01";
        QTest::newRow("eight digits") << "20240315" << 2026 << "2024/03/15";
        QTest::newRow("991231 in 2026 is 2099") << "991231" << 2026 << "2099/12/31";
        QTest::newRow("991231 in 2000 is 2099") << "991231" << 2000 << "2099/12/31";
        QTest::newRow("991231 in 2099 is 2099") << "991231" << 2099 << "2099/12/31";
        QTest::newRow("six digits, century of 1999") << "991231" << 1999 << "1999/12/31";
        QTest::newRow("blanks around six digits") << " 240315 " << 2026 << "2024/03/15";
        QTest::newRow("blanks around eight digits") << "  20240315" << 2026 << "2024/03/15";
        QTest::newRow("seven digits") << "2024315" << 2026 << "";
        QTest::newRow("empty") << "" << 2026 << "";
        QTest::newRow("only blanks") << "        " << 2026 << "";
        QTest::newRow("30 February") << "20240230" << 2026 << "";
        QTest::newRow("month 13") << "20231301" << 2026 << "";
        QTest::newRow("month 00") << "20230001" << 2026 << "";
        QTest::newRow("day 00") << "20230100" << 2026 << "";
        QTest::newRow("31 April") << "20230431" << 2026 << "";
        QTest::newRow("29 February, leap year") << "20240229" << 2026 << "2024/02/29";
        QTest::newRow("29 February, common year") << "20230229" << 2026 << "";
        QTest::newRow("29 February 1900, not leap") << "19000229" << 2026 << "";
        QTest::newRow("29 February 2000, leap") << "20000229" << 2026 << "2000/02/29";
        QTest::newRow("year 0000") << "00000101" << 2026 << "";
        QTest::newRow("year 0001") << "00010101" << 2026 << "0001/01/01";
        QTest::newRow("9999/12/31") << "99991231" << 2026 << "9999/12/31";
        QTest::newRow("separators typed") << "24/03/15" << 2026 << "";
        QTest::newRow("blank inside") << "2024 315" << 2026 << "";
        QTest::newRow("sign") << "+2024031" << 2026 << "";
        QTest::newRow("letters") << "2024O315" << 2026 << "";
        QTest::newRow("full-width digits") << "２０２４０３１５" << 2026 << "";
        QTest::newRow("ten characters at rest") << "2024/03/15" << 2026 << "";
    }
    void typedEntries() {
        QFETCH(QString, typed);
        QFETCH(int, year);
        QFETCH(QString, accepted);
        const std::optional<QString> result = ParseDateEntry(typed, year);
        QCOMPARE(result.value_or(QString()), accepted);
    }

    void editText_data() {
        QTest::addColumn<QString>("rest");
        QTest::addColumn<QString>("edited");
        QTest::newRow("lowest default") << "1901/01/01"
                                        << "19010101";
        QTest::newRow("highest default") << "9999/12/31"
                                         << "99991231";
        QTest::newRow("typed date") << "2024/03/15"
                                    << "20240315";
        QTest::newRow("not a date at rest stays") << "2024315"
                                                  << "2024315";
        QTest::newRow("empty stays") << ""
                                     << "";
    }
    void editText() {
        QFETCH(QString, rest);
        QFETCH(QString, edited);
        QCOMPARE(DateEntryEditText(rest), edited);
        // Leaving without a change gives back the same text.
        if (rest.size() == 10)
            QCOMPARE(ParseDateEntry(edited, 2026).value_or(QString()), rest);
    }
};

QTEST_GUILESS_MAIN(TestDateEntry)
#include "tst_DateEntry.moc"
