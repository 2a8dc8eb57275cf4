#include <QTest>

#include "OptionalText.h"
#include "rename/NumberField.h"

using namespace Qt::StringLiterals;

namespace miravel {

class NumberFieldTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void checksFieldOnLeaving_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("zero") << u"0"_s << test::None;
        QTest::newRow("fraction") << u"1.5"_s << test::None;
        QTest::newRow("rounds to zero") << u"-0.5"_s << test::None;
        QTest::newRow("beyond 16 bits") << u"99999"_s << test::None;
        QTest::newRow("full-width") << u"３"_s << test::None;
        QTest::newRow("empty") << QString() << u"数字を入力して下さい。"_s;
        QTest::newRow("letters") << u"abc"_s << u"数字を入力して下さい。"_s;
        QTest::newRow("minus one") << u"-1"_s << u"0以上の数字を入力して下さい。"_s;
        QTest::newRow("rounds to minus one") << u"-0.6"_s << u"0以上の数字を入力して下さい。"_s;
        QTest::newRow("far below") << u"-99999"_s << u"0以上の数字を入力して下さい。"_s;
    }
    void checksFieldOnLeaving() {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(test::Shown(NumberFieldProblem(text)), expected);
    }

    void readsPosition_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("expected");  // -1: no usable position
        QTest::newRow("zero") << u"0"_s << 0;
        QTest::newRow("two") << u"2"_s << 2;
        QTest::newRow("one and a half") << u"1.5"_s << 2;
        QTest::newRow("two and a half") << u"2.5"_s << 2;
        QTest::newRow("three and a half") << u"3.5"_s << 4;
        QTest::newRow("beyond 16 bits") << u"99999"_s << 32767;
        QTest::newRow("negative") << u"-1"_s << -1;
        QTest::newRow("not numeric") << u"x"_s << -1;
    }
    void readsPosition() {
        QFETCH(QString, text);
        QFETCH(int, expected);
        QCOMPARE(int(InsertPosition(text).value_or(-1)), expected);
    }
};

}  // namespace miravel

QTEST_GUILESS_MAIN(miravel::NumberFieldTest)
#include "tst_numberfield.moc"
