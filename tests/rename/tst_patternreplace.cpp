#include <QTest>

#include "OptionalText.h"
#include "rename/PatternReplace.h"

using namespace Qt::StringLiterals;

namespace miravel {

namespace {

const QString kUndecodable = QString(QChar(0xDCFF));  // the byte 0xFF of a name

}  // namespace

class PatternReplaceTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void computesNewName_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("find");
        QTest::addColumn<QString>("replacement");
        QTest::addColumn<bool>("regex");
        QTest::addColumn<bool>("all");
        QTest::addColumn<QString>("expected");
        QTest::newRow("plain, first")
            << u"aXa.txt"_s << u"a"_s << u"b"_s << false << false << u"bXa.txt"_s;
        QTest::newRow("plain, all exact occurrences")
            << u"sample_Sample_sample.txt"_s << u"sample"_s << u"x"_s << false << true
            << u"x_Sample_x.txt"_s;
        QTest::newRow("plain, all, other case only keeps the name")
            << u"Sample.txt"_s << u"sample"_s << u"x"_s << false << true << u"Sample.txt"_s;
        QTest::newRow("groups swapped") << u"2024-01_report.txt"_s << u"(\\d+)-(\\d+)"_s
                                        << u"\\2-\\1"_s << true << false << u"01-2024_report.txt"_s;
        QTest::newRow("first match")
            << u"a1b2.txt"_s << u"\\d"_s << u"#"_s << true << false << u"a#b2.txt"_s;
        QTest::newRow("every match")
            << u"a1b2.txt"_s << u"\\d"_s << u"#"_s << true << true << u"a#b#.txt"_s;
        QTest::newRow("case ignored, the match replaced")
            << u"Sample.txt"_s << u"sample"_s << u"x"_s << true << false << u"x.txt"_s;
        QTest::newRow("no match") << u"report.txt"_s << u"^\\d"_s << u"x"_s << true << true
                                  << test::None;
        QTest::newRow("group that took no part is empty")
            << u"ab.txt"_s << u"a(x)?b"_s << u"[\\1]"_s << true << false << u"[].txt"_s;
        QTest::newRow("empty matches around a surrogate pair")
            << u"a😀"_s << u"x*"_s << u"-"_s << true << true << u"-a-😀-"_s;
        QTest::newRow("word class takes kanji")
            << u"資料.txt"_s << u"^(\\w+)\\.txt$"_s << u"\\1.md"_s << true << false << u"資料.md"_s;
        QTest::newRow("undecodable byte around a match")
            << u"a"_s + kUndecodable + u"_1.txt"_s << u"_(\\d)"_s << u"-\\1"_s << true << false
            << u"a"_s + kUndecodable + u"-1.txt"_s;
        QTest::newRow("undecodable byte captured")
            << u"a"_s + kUndecodable + u"b.txt"_s << u"(.)b"_s << u"[\\1]"_s << true << false
            << u"a["_s + kUndecodable + u"].txt"_s;
    }
    void computesNewName() {
        QFETCH(QString, name);
        QFETCH(QString, find);
        QFETCH(QString, replacement);
        QFETCH(bool, regex);
        QFETCH(bool, all);
        QFETCH(QString, expected);
        const PatternReplaceOptions options{find, replacement, regex, all};
        QCOMPARE(test::Shown(PatternReplacedName(name, options)), expected);
        QCOMPARE(test::Shown(MakePatternReplaceOperation(options).newName(name, 0)), expected);
    }

    void checksInputsInOrder_data() {
        QTest::addColumn<QString>("find");
        QTest::addColumn<QString>("replacement");
        QTest::addColumn<bool>("regex");
        QTest::addColumn<QString>("expected");
        const QString forbidden =
            u"ファイル名には次の文字は使えません。\r\n\\　/　,　;　:　*　?　\"　<　>　|"_s;
        QTest::newRow("plain as before") << u"a"_s << u"\\1"_s << false << forbidden;
        QTest::newRow("empty pattern")
            << QString() << u"x"_s << true << u"文字列を入力して下さい。"_s;
        QTest::newRow("pattern that does not compile")
            << u"a(b"_s << u"x"_s << true
            << u"正規表現が正しくありません（4文字目）。\r\nmissing closing parenthesis"_s;
        QTest::newRow("position in characters")
            << u"😀(b"_s << u"x"_s << true
            << u"正規表現が正しくありません（4文字目）。\r\nmissing closing parenthesis"_s;
        QTest::newRow("group references accepted")
            << u"(a)(b)"_s << u"\\2_\\1"_s << true << test::None;
        QTest::newRow("group the pattern lacks")
            << u"(a)"_s << u"\\1\\2"_s << true
            << u"置換後の文字列の \\2 に当たるグループが正規表現にありません。"_s;
        QTest::newRow("literal backslash") << u"(a)"_s << u"\\\\"_s << true << forbidden;
        QTest::newRow("characters before groups") << u"(a)"_s << u"\\3/"_s << true << forbidden;
        QTest::newRow("pattern not checked for characters")
            << u"a:|b"_s << u"x"_s << true << test::None;
    }
    void checksInputsInOrder() {
        QFETCH(QString, find);
        QFETCH(QString, replacement);
        QFETCH(bool, regex);
        QFETCH(QString, expected);
        const PatternReplaceOptions options{find, replacement, regex, false};
        QCOMPARE(test::Shown(PatternReplaceCheck(options)), expected);
    }
};

}  // namespace miravel

QTEST_GUILESS_MAIN(miravel::PatternReplaceTest)
#include "tst_patternreplace.moc"
