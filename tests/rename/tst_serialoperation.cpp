#include <QTest>
#include <limits>

#include "OptionalText.h"
#include "rename/SerialNumber.h"
#include "rename/SerialOperation.h"

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(miravel::SerialFields)

namespace miravel {

namespace {
const int head = int(Placement::Head);
const int tail = int(Placement::Tail);
const int at = int(Placement::Position);

SerialFields Design(int placement = head) {
    return {u"[第"_s, u"1"_s, u"話]"_s, u"1"_s, Placement(placement), u"0"_s};
}
}  // namespace

class SerialOperationTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void masksFromDigitCount_data() {
        QTest::addColumn<QString>("digits");
        QTest::addColumn<QString>("mask");
        QTest::addColumn<QString>("seven");
        QTest::newRow("1") << u"1"_s << u"0"_s << u"7"_s;
        QTest::newRow("2") << u"2"_s << u"00"_s << u"07"_s;
        QTest::newRow("3") << u"3"_s << u"000"_s << u"007"_s;
        QTest::newRow("4") << u"4"_s << u"0000"_s << u"0007"_s;
        QTest::newRow("5") << u"5"_s << u"00000"_s << u"00007"_s;
        QTest::newRow("6") << u"6"_s << u"000000"_s << u"000007"_s;
        QTest::newRow("7") << u"7"_s << u"0000000"_s << u"0000007"_s;
        QTest::newRow("8") << u"8"_s << u"00000000"_s << u"00000007"_s;
        QTest::newRow("0") << u"0"_s << u"0"_s << u"7"_s;
        QTest::newRow("9") << u"9"_s << u"0"_s << u"7"_s;
        QTest::newRow("10") << u"10"_s << u"0"_s << u"7"_s;
        QTest::newRow("empty") << QString() << u"0"_s << u"7"_s;
    }
    void masksFromDigitCount() {
        QFETCH(QString, digits);
        QFETCH(QString, mask);
        QFETCH(QString, seven);
        QCOMPARE(ZeroPadFormat(digits), mask);
        QCOMPARE(FormatSerialNumber(7, ZeroPadFormat(digits)), seven);
    }

    void formatsNumbers_data() {
        QTest::addColumn<qint64>("number");
        QTest::addColumn<QString>("mask");
        QTest::addColumn<QString>("expected");
        QTest::newRow("padded") << qint64(7) << u"000"_s << u"007"_s;
        QTest::newRow("never cut") << qint64(1234) << u"00"_s << u"1234"_s;
        QTest::newRow("grows past mask") << qint64(100) << u"00"_s << u"100"_s;
        QTest::newRow("zero") << qint64(0) << u"0"_s << u"0"_s;
        QTest::newRow("negative") << qint64(-5) << u"00"_s << u"-05"_s;
        QTest::newRow("lowest") << std::numeric_limits<qint64>::min() << u"0"_s
                                << u"-9223372036854775808"_s;
    }
    void formatsNumbers() {
        QFETCH(qint64, number);
        QFETCH(QString, mask);
        QFETCH(QString, expected);
        QCOMPARE(FormatSerialNumber(number, mask), expected);
    }

    void countsWithoutWrapping_data() {
        QTest::addColumn<qint64>("start");
        QTest::addColumn<qint64>("index");
        QTest::addColumn<QString>("expected");
        QTest::newRow("first") << qint64(5) << qint64(0) << u"5"_s;
        QTest::newRow("second") << qint64(5) << qint64(1) << u"6"_s;
        QTest::newRow("past 16 bits") << qint64(32767) << qint64(1) << u"32768"_s;
        QTest::newRow("past 64 bits")
            << std::numeric_limits<qint64>::max() << qint64(1) << test::None;
    }
    void countsWithoutWrapping() {
        QFETCH(qint64, start);
        QFETCH(qint64, index);
        QFETCH(QString, expected);
        const std::optional<qint64> number = SerialCounter(start, index);
        QCOMPARE(number ? QString::number(*number) : test::None, expected);
    }

    void computesNewName_data() {
        QTest::addColumn<SerialFields>("fields");
        QTest::addColumn<QString>("name");
        QTest::addColumn<qint64>("index");
        QTest::addColumn<QString>("expected");
        QTest::newRow("head, first") << Design() << u"a.txt"_s << qint64(0) << u"[第1話]a.txt"_s;
        QTest::newRow("head, second") << Design() << u"b.txt"_s << qint64(1) << u"[第2話]b.txt"_s;
        QTest::newRow("head, third") << Design() << u"c.txt"_s << qint64(2) << u"[第3話]c.txt"_s;
        SerialFields padded = Design(tail);
        padded.digitCount = u"3"_s;
        padded.start = u"8"_s;
        QTest::newRow("tail, mask 3, start 8")
            << padded << u"資料A.txt"_s << qint64(0) << u"資料A[第008話].txt"_s;
        QTest::newRow("tail, mask 3, third")
            << padded << u"資料C.txt"_s << qint64(2) << u"資料C[第010話].txt"_s;
        SerialFields ninetyNine = Design();
        ninetyNine.digitCount = u"2"_s;
        ninetyNine.start = u"99"_s;
        QTest::newRow("99 then 100")
            << ninetyNine << u"b.txt"_s << qint64(1) << u"[第100話]b.txt"_s;
        QTest::newRow("tail, several dots")
            << Design(tail) << u"a.b.c.txt"_s << qint64(0) << u"a.b.c[第1話].txt"_s;
        QTest::newRow("head, several dots")
            << Design() << u"a.b.c.txt"_s << qint64(0) << u"[第1話]a.b.c.txt"_s;
        QTest::newRow("tail, no dot gains none")
            << Design(tail) << u"memo"_s << qint64(0) << u"memo[第1話]"_s;
        SerialFields at0 = Design(at);
        QTest::newRow("position 0") << at0 << u"memo.txt"_s << qint64(0) << u"[第1話]memo.txt"_s;
        SerialFields at2 = Design(at);
        at2.position = u"2"_s;
        QTest::newRow("position 2") << at2 << u"資料A.txt"_s << qint64(0) << u"資料[第1話]A.txt"_s;
        SerialFields at99 = Design(at);
        at99.position = u"99"_s;
        QTest::newRow("position beyond base")
            << at99 << u"memo.txt"_s << qint64(0) << u"memo[第1話].txt"_s;
        SerialFields bare = Design();
        bare.prefix.clear();
        bare.suffix.clear();
        QTest::newRow("bare number") << bare << u"a.txt"_s << qint64(0) << u"1a.txt"_s;
        SerialFields fraction = Design();
        fraction.start = u"1.5"_s;
        QTest::newRow("start 1.5 counts from 1")
            << fraction << u"a.txt"_s << qint64(0) << u"[第1話]a.txt"_s;
        fraction.start = u"2.7"_s;
        QTest::newRow("start 2.7 counts from 2")
            << fraction << u"a.txt"_s << qint64(0) << u"[第2話]a.txt"_s;
        SerialFields high = Design();
        high.start = u"32767"_s;
        QTest::newRow("no wrap past 32767")
            << high << u"x.txt"_s << qint64(1) << u"[第32768話]x.txt"_s;
    }
    void computesNewName() {
        QFETCH(SerialFields, fields);
        QFETCH(QString, name);
        QFETCH(qint64, index);
        QFETCH(QString, expected);
        QCOMPARE(test::Shown(MakeSerialOperation(fields).newName(name, index)), expected);
    }

    void checksInputsInOrder_data() {
        QTest::addColumn<SerialFields>("fields");
        QTest::addColumn<QString>("expected");
        const QString forbidden =
            u"ファイル名には次の文字は使えません。\r\n\\　/　,　;　:　*　?　\"　<　>　|"_s;
        const QString number = u"数字を入力して下さい。"_s;
        const QString zeroOrMore = u"0以上の数字を入力して下さい。"_s;
        QTest::newRow("design values") << Design() << test::None;
        SerialFields f = Design();
        f.start.clear();
        QTest::newRow("empty start") << f << number;
        f.prefix = u"/"_s;
        QTest::newRow("start before forbidden") << f << number;
        f = Design();
        f.start = u"abc"_s;
        QTest::newRow("start not numeric") << f << number;
        f.start = u"99999999999999999999999"_s;
        QTest::newRow("start beyond 64 bits") << f << number;
        f.start = u"-1"_s;
        QTest::newRow("negative start") << f << zeroOrMore;
        f = Design();
        f.prefix = u"a/b"_s;
        QTest::newRow("slash in prefix") << f << forbidden;
        f.position = u"x"_s;
        QTest::newRow("forbidden before position") << f << forbidden;
        f = Design();
        f.suffix = u"|"_s;
        QTest::newRow("bar in suffix") << f << forbidden;
        f = Design();
        f.start = u"5"_s;
        f.suffix = u"話，"_s;
        QTest::newRow("full-width comma in suffix") << f << test::None;
        f = Design(head);
        f.position = u"x"_s;
        QTest::newRow("position checked under head") << f << number;
        f = Design(at);
        f.position = u"-1"_s;
        QTest::newRow("negative position") << f << zeroOrMore;
    }
    void checksInputsInOrder() {
        QFETCH(SerialFields, fields);
        QFETCH(QString, expected);
        QCOMPARE(test::Shown(MakeSerialOperation(fields).check()), expected);
    }

    void confirmationText() {
        QCOMPARE(MakeSerialOperation(Design()).confirmText,
                 u"付加を開始します。本当にいいですか？\r\n\r\nゼロ埋めの桁数はあってますか？"_s);
    }

    void previewText_data() {
        QTest::addColumn<SerialFields>("fields");
        QTest::addColumn<QString>("expected");
        QTest::newRow("head") << Design(head)
                              << u"[第1話]資料A.txt, [第2話]資料B.txt, [第3話]資料C.txt, …"_s;
        QTest::newRow("tail") << Design(tail)
                              << u"資料A[第1話].txt, 資料B[第2話].txt, 資料C[第3話].txt, …"_s;
        SerialFields f = Design(at);
        f.position = u"2"_s;
        QTest::newRow("position 2")
            << f << u"資料[第1話]A.txt, 資料[第2話]B.txt, 資料[第3話]C.txt, …"_s;
        f.position = u"-1"_s;
        QTest::newRow("negative position keeps label") << f << test::None;
        f.position = u"x"_s;
        QTest::newRow("bad position keeps label") << f << test::None;
        f.placement = Placement::Head;
        QTest::newRow("bad position ignored by head")
            << f << u"[第1話]資料A.txt, [第2話]資料B.txt, [第3話]資料C.txt, …"_s;
        f = Design();
        f.start = u"1.5"_s;
        QTest::newRow("start 1.5 shows 2")
            << f << u"[第2話]資料A.txt, [第3話]資料B.txt, [第4話]資料C.txt, …"_s;
        f.start = u"2.5"_s;
        QTest::newRow("start 2.5 shows 2")
            << f << u"[第2話]資料A.txt, [第3話]資料B.txt, [第4話]資料C.txt, …"_s;
        f = Design();
        f.digitCount = u"3"_s;
        f.start = u"8"_s;
        QTest::newRow("padded")
            << f << u"[第008話]資料A.txt, [第009話]資料B.txt, [第010話]資料C.txt, …"_s;
        f = Design();
        f.prefix.clear();
        f.suffix.clear();
        QTest::newRow("bare numbers") << f << u"1資料A.txt, 2資料B.txt, 3資料C.txt, …"_s;
        f = Design();
        f.start = u"abc"_s;
        QTest::newRow("start not numeric keeps label") << f << test::None;
        f.start.clear();
        QTest::newRow("empty start keeps label") << f << test::None;
    }
    void previewText() {
        QFETCH(SerialFields, fields);
        QFETCH(QString, expected);
        QCOMPARE(test::Shown(SerialPreviewText(fields)), expected);
    }
};

}  // namespace miravel

QTEST_GUILESS_MAIN(miravel::SerialOperationTest)
#include "tst_serialoperation.moc"
