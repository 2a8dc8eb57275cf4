#include <QTest>
#include <limits>

#include "rename/NumericText.h"

using namespace Qt::StringLiterals;

namespace miravel {

// "Nothing" in the conversion tables; no conversion here can yield it.
constexpr qint64 Refused = std::numeric_limits<qint64>::min() + 1;

template <typename Int>
qint64 Shown(std::optional<Int> value) {
    return value ? qint64(*value) : Refused;
}

class NumericTextTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void recognisesNumbers_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("numeric");
        QTest::newRow("digits") << u"12"_s << true;
        QTest::newRow("zero") << u"0"_s << true;
        QTest::newRow("leading zeros") << u"007"_s << true;
        QTest::newRow("blanks around") << u" 12 "_s << true;
        QTest::newRow("tab and ideographic space") << u"\t7\u3000"_s << true;
        QTest::newRow("minus") << u"-3"_s << true;
        QTest::newRow("plus") << u"+3"_s << true;
        QTest::newRow("decimal") << u"1.5"_s << true;
        QTest::newRow("trailing point") << u"5."_s << true;
        QTest::newRow("leading point") << u".5"_s << true;
        QTest::newRow("full-width digits") << u"１２"_s << true;
        QTest::newRow("full-width sign and point") << u"－１．５"_s << true;
        QTest::newRow("full-width mixed with ascii") << u"1２"_s << true;
        QTest::newRow("empty") << QString() << false;
        QTest::newRow("blanks only") << u"  "_s << false;
        QTest::newRow("point only") << u"."_s << false;
        QTest::newRow("sign only") << u"-"_s << false;
        QTest::newRow("two signs") << u"+-1"_s << false;
        QTest::newRow("blank after sign") << u"- 1"_s << false;
        QTest::newRow("blank inside") << u"1 2"_s << false;
        QTest::newRow("two points") << u"1..2"_s << false;
        QTest::newRow("trailing letter") << u"12a"_s << false;
        QTest::newRow("letter") << u"a"_s << false;
        QTest::newRow("full-width letter") << u"１ａ"_s << false;
        QTest::newRow("exponent") << u"1e3"_s << false;
        QTest::newRow("grouping comma") << u"1,000"_s << false;
        QTest::newRow("hex") << u"0x10"_s << false;
        QTest::newRow("currency") << u"¥100"_s << false;
        QTest::newRow("kanji numeral") << u"九"_s << false;
        QTest::newRow("other script digit") << u"\u0663"_s << false;
        QTest::newRow("marker text") << u"第1"_s << false;
    }
    void recognisesNumbers() {
        QFETCH(QString, text);
        QFETCH(bool, numeric);
        QCOMPARE(IsNumericText(text), numeric);
    }

    void roundsToInt16_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("expected");
        QTest::newRow("half down to even") << u"2.5"_s << qint64(2);
        QTest::newRow("half up to even") << u"3.5"_s << qint64(4);
        QTest::newRow("one and a half") << u"1.5"_s << qint64(2);
        QTest::newRow("half of zero") << u"0.5"_s << qint64(0);
        QTest::newRow("minus half") << u"-0.5"_s << qint64(0);
        QTest::newRow("minus one and a half") << u"-1.5"_s << qint64(-2);
        QTest::newRow("minus two and a half") << u"-2.5"_s << qint64(-2);
        QTest::newRow("just above half") << u"2.5000000000000000001"_s << qint64(3);
        QTest::newRow("just below half") << u"2.4999"_s << qint64(2);
        QTest::newRow("blanks and leading zeros") << u" 007 "_s << qint64(7);
        QTest::newRow("full-width") << u"１．５"_s << qint64(2);
        QTest::newRow("largest") << u"32767"_s << qint64(32767);
        QTest::newRow("half below largest") << u"32766.5"_s << qint64(32766);
        QTest::newRow("rounds past largest") << u"32767.5"_s << Refused;
        QTest::newRow("lowest") << u"-32768"_s << qint64(-32768);
        QTest::newRow("half below lowest") << u"-32768.5"_s << qint64(-32768);
        QTest::newRow("below lowest") << u"-32769"_s << Refused;
        QTest::newRow("huge") << u"99999999999999999999999"_s << Refused;
        QTest::newRow("huge negative") << u"-99999999999999999999999"_s << Refused;
        QTest::newRow("not numeric") << u"abc"_s << Refused;
    }
    void roundsToInt16() {
        QFETCH(QString, text);
        QFETCH(qint64, expected);
        QCOMPARE(Shown(RoundToInt16(text)), expected);
    }

    void roundsToInt16Clamped_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("expected");
        QTest::newRow("in range") << u"1.5"_s << qint64(2);
        QTest::newRow("rounds past largest") << u"32767.5"_s << qint64(32767);
        QTest::newRow("above") << u"40000"_s << qint64(32767);
        QTest::newRow("below") << u"-40000"_s << qint64(-32768);
        QTest::newRow("huge") << u"99999999999999999999999"_s << qint64(32767);
        QTest::newRow("huge negative") << u"-99999999999999999999999"_s << qint64(-32768);
        QTest::newRow("not numeric") << u"x"_s << Refused;
    }
    void roundsToInt16Clamped() {
        QFETCH(QString, text);
        QFETCH(qint64, expected);
        QCOMPARE(Shown(RoundToInt16Clamped(text)), expected);
    }

    void roundsToInt32_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("expected");
        QTest::newRow("half down to even") << u"2.5"_s << qint64(2);
        QTest::newRow("half up to even") << u"3.5"_s << qint64(4);
        QTest::newRow("beyond 16 bits") << u"40000"_s << qint64(40000);
        QTest::newRow("largest") << u"2147483647"_s << qint64(2147483647);
        QTest::newRow("half below largest") << u"2147483646.5"_s << qint64(2147483646);
        QTest::newRow("rounds past largest") << u"2147483647.5"_s << Refused;
        QTest::newRow("half below lowest") << u"-2147483648.5"_s << qint64(-2147483648LL);
        QTest::newRow("huge") << u"99999999999999999999999"_s << Refused;
        QTest::newRow("empty") << QString() << Refused;
    }
    void roundsToInt32() {
        QFETCH(QString, text);
        QFETCH(qint64, expected);
        QCOMPARE(Shown(RoundToInt32(text)), expected);
    }

    void floorsToInt64_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("expected");
        QTest::newRow("positive fraction") << u"2.7"_s << qint64(2);
        QTest::newRow("one and a half") << u"1.5"_s << qint64(1);
        QTest::newRow("minus half") << u"-0.5"_s << qint64(-1);
        QTest::newRow("negative whole") << u"-2.0"_s << qint64(-2);
        QTest::newRow("negative fraction") << u"-2.01"_s << qint64(-3);
        QTest::newRow("largest") << u"9223372036854775807.9"_s
                                 << std::numeric_limits<qint64>::max();
        QTest::newRow("past largest") << u"9223372036854775808"_s << Refused;
        QTest::newRow("lowest") << u"-9223372036854775808"_s << std::numeric_limits<qint64>::min();
        QTest::newRow("below lowest") << u"-9223372036854775808.1"_s << Refused;
        QTest::newRow("huge") << u"99999999999999999999999"_s << Refused;
        QTest::newRow("exponent") << u"1e3"_s << Refused;
    }
    void floorsToInt64() {
        QFETCH(QString, text);
        QFETCH(qint64, expected);
        QCOMPARE(Shown(FloorToInt64(text)), expected);
    }
};

}  // namespace miravel

QTEST_GUILESS_MAIN(miravel::NumericTextTest)
#include "tst_numerictext.moc"
