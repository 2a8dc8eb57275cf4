#include <QTest>

#include "OptionalText.h"
#include "rename/AddStringOperation.h"

using namespace Qt::StringLiterals;

namespace miravel {

namespace {
const int head = int(Placement::Head);
const int tail = int(Placement::Tail);
const int at = int(Placement::Position);
}  // namespace

class AddStringOperationTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void computesNewName_data() {
        QTest::addColumn<int>("placement");
        QTest::addColumn<QString>("position");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected");
        QTest::newRow("head") << head << u"0"_s << u"new_"_s << u"report.txt"_s
                              << u"new_report.txt"_s;
        QTest::newRow("head before leading dot")
            << head << u"0"_s << u"X"_s << u".profile"_s << u"X.profile"_s;
        QTest::newRow("tail") << tail << u"0"_s << u"_v2"_s << u"report.txt"_s
                              << u"report_v2.txt"_s;
        QTest::newRow("tail, several dots")
            << tail << u"0"_s << u"_v2"_s << u"a.b.c"_s << u"a.b_v2.c"_s;
        QTest::newRow("tail, leading dot")
            << tail << u"0"_s << u"_v2"_s << u".profile"_s << u"_v2.profile"_s;
        QTest::newRow("tail, no dot gains none")
            << tail << u"0"_s << u"_v2"_s << u"readme"_s << u"readme_v2"_s;
        QTest::newRow("tail, trailing dot kept")
            << tail << u"0"_s << u"_v2"_s << u"readme."_s << u"readme_v2."_s;
        QTest::newRow("position 2")
            << at << u"2"_s << u"X"_s << u"report.txt"_s << u"reXport.txt"_s;
        QTest::newRow("position 0")
            << at << u"0"_s << u"X"_s << u"report.txt"_s << u"Xreport.txt"_s;
        QTest::newRow("position 0, leading dot")
            << at << u"0"_s << u"X"_s << u".profile"_s << u"X.profile"_s;
        QTest::newRow("position 99")
            << at << u"99"_s << u"X"_s << u"report.txt"_s << u"reportX.txt"_s;
        QTest::newRow("position 1.5 is 2")
            << at << u"1.5"_s << u"X"_s << u"report.txt"_s << u"reXport.txt"_s;
        QTest::newRow("position 2.5 is 2")
            << at << u"2.5"_s << u"X"_s << u"report.txt"_s << u"reXport.txt"_s;
        QTest::newRow("position 3.5 is 4")
            << at << u"3.5"_s << u"X"_s << u"report.txt"_s << u"repoXrt.txt"_s;
        QTest::newRow("position, no dot") << at << u"2"_s << u"X"_s << u"readme"_s << u"reXadme"_s;
        QTest::newRow("position ignored by head")
            << head << u"2"_s << u"X"_s << u"report.txt"_s << u"Xreport.txt"_s;
    }
    void computesNewName() {
        QFETCH(int, placement);
        QFETCH(QString, position);
        QFETCH(QString, text);
        QFETCH(QString, name);
        QFETCH(QString, expected);
        const BatchOperation operation =
            MakeAddStringOperation({text, Placement(placement), position});
        QCOMPARE(test::Shown(operation.newName(name, 0)), expected);
    }

    void checksInputsInOrder_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("placement");
        QTest::addColumn<QString>("position");
        QTest::addColumn<QString>("expected");
        const QString forbidden =
            u"ファイル名には次の文字は使えません。\r\n\\　/　,　;　:　*　?　\"　<　>　|"_s;
        QTest::newRow("accepted") << u"x"_s << head << u"0"_s << test::None;
        QTest::newRow("fraction position") << u"x"_s << at << u"1.5"_s << test::None;
        QTest::newRow("empty text") << QString() << head << u"0"_s << u"文字列を入力して下さい。"_s;
        QTest::newRow("empty text first")
            << QString() << head << u"x"_s << u"文字列を入力して下さい。"_s;
        QTest::newRow("colon") << u"a:b"_s << head << u"0"_s << forbidden;
        QTest::newRow("comma") << u"a,b"_s << head << u"0"_s << forbidden;
        QTest::newRow("semicolon") << u"a;b"_s << head << u"0"_s << forbidden;
        QTest::newRow("full-width comma") << u"a，b"_s << head << u"0"_s << test::None;
        QTest::newRow("forbidden before position") << u"*"_s << at << u"x"_s << forbidden;
        QTest::newRow("position checked under head")
            << u"x"_s << head << u"abc"_s << u"数字を入力して下さい。"_s;
        QTest::newRow("empty position")
            << u"x"_s << tail << QString() << u"数字を入力して下さい。"_s;
        QTest::newRow("negative position")
            << u"x"_s << at << u"-1"_s << u"0以上の数字を入力して下さい。"_s;
    }
    void checksInputsInOrder() {
        QFETCH(QString, text);
        QFETCH(int, placement);
        QFETCH(QString, position);
        QFETCH(QString, expected);
        const BatchOperation operation =
            MakeAddStringOperation({text, Placement(placement), position});
        QCOMPARE(test::Shown(operation.check()), expected);
    }

    void confirmationText() {
        QCOMPARE(MakeAddStringOperation({u"x"_s, Placement::Head, u"0"_s}).confirmText,
                 u"付加を開始します。 本当にいいですか？"_s);
    }

    void previewText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("placement");
        QTest::addColumn<QString>("position");
        QTest::addColumn<QString>("expected");
        QTest::newRow("head, empty")
            << QString() << head << u"0"_s << u"開発資料.txt, 請求書.txt, …"_s;
        QTest::newRow("head") << u"新_"_s << head << u"0"_s
                              << u"新_開発資料.txt, 新_請求書.txt, …"_s;
        QTest::newRow("head, bad position ignored")
            << u"新_"_s << head << u"abc"_s << u"新_開発資料.txt, 新_請求書.txt, …"_s;
        QTest::newRow("tail") << u"_v2"_s << tail << u"0"_s
                              << u"開発資料_v2.txt, 請求書_v2.txt, …"_s;
        QTest::newRow("position 2") << u"X"_s << at << u"2"_s << u"開発X資料.txt, 請求X書.txt, …"_s;
        QTest::newRow("position beyond one sample")
            << u"X"_s << at << u"3"_s << u"開発資X料.txt, 請求書X.txt, …"_s;
        QTest::newRow("position 99")
            << u"X"_s << at << u"99"_s << u"開発資料X.txt, 請求書X.txt, …"_s;
        QTest::newRow("negative keeps label") << u"X"_s << at << u"-1"_s << test::None;
        QTest::newRow("not numeric keeps label") << u"X"_s << at << u"a"_s << test::None;
    }
    void previewText() {
        QFETCH(QString, text);
        QFETCH(int, placement);
        QFETCH(QString, position);
        QFETCH(QString, expected);
        QCOMPARE(test::Shown(AddPreviewText({text, Placement(placement), position})), expected);
    }
};

}  // namespace miravel

QTEST_GUILESS_MAIN(miravel::AddStringOperationTest)
#include "tst_addstringoperation.moc"
