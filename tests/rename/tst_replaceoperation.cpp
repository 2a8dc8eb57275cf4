#include <QTest>

#include "OptionalText.h"
#include "rename/ReplaceOperation.h"

using namespace Qt::StringLiterals;

namespace miravel {

class ReplaceOperationTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void computesNewName_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("find");
        QTest::addColumn<QString>("replacement");
        QTest::addColumn<QString>("expected");
        QTest::newRow("first occurrence only") << u"aXa.txt"_s << u"a"_s << u"b"_s << u"bXa.txt"_s;
        QTest::newRow("empty replacement deletes")
            << u"sample開発資料.txt"_s << u"sample"_s << QString() << u"開発資料.txt"_s;
        QTest::newRow("extension is part of the name")
            << u"memo.txt"_s << u".txt"_s << u".md"_s << u"memo.md"_s;
        QTest::newRow("exact case occurrence replaced")
            << u"SAMPLE_sample.txt"_s << u"sample"_s << u"x"_s << u"SAMPLE_x.txt"_s;
        QTest::newRow("other case only keeps the name")
            << u"Sample.txt"_s << u"sample"_s << u"x"_s << u"Sample.txt"_s;
        QTest::newRow("full-width letters in other case")
            << u"ＡＢＣ.txt"_s << u"ａｂｃ"_s << u"x"_s << u"ＡＢＣ.txt"_s;
        QTest::newRow("blank searched as typed")
            << u"a b.txt"_s << u" "_s << u"_"_s << u"a_b.txt"_s;
        QTest::newRow("whole name removed") << u"a.txt"_s << u"a.txt"_s << QString() << QString();
        QTest::newRow("not contained") << u"report.txt"_s << u"xyz"_s << u"b"_s << test::None;
        QTest::newRow("width is not case")
            << u"ＳＡＭＰＬＥ.txt"_s << u"sample"_s << u"x"_s << test::None;
        QTest::newRow("text without case not contained")
            << u"第1話.mp4"_s << u"第_"_s << u"x"_s << test::None;
        QTest::newRow("letter whose capital is a letter of its own")
            << u"STRAẞE.txt"_s << u"ß"_s << u"ss"_s << u"STRAẞE.txt"_s;
    }
    void computesNewName() {
        QFETCH(QString, name);
        QFETCH(QString, find);
        QFETCH(QString, replacement);
        QFETCH(QString, expected);
        QCOMPARE(test::Shown(ReplacedName(name, find, replacement)), expected);
        const BatchOperation operation = MakeReplaceOperation(find, replacement);
        QCOMPARE(test::Shown(operation.newName(name, 0)), expected);
    }

    void checksInputsInOrder_data() {
        QTest::addColumn<QString>("find");
        QTest::addColumn<QString>("replacement");
        QTest::addColumn<QString>("expected");
        const QString forbidden =
            u"ファイル名には次の文字は使えません。\r\n\\　/　,　;　:　*　?　\"　<　>　|"_s;
        QTest::newRow("accepted") << u"sample"_s << QString() << test::None;
        QTest::newRow("blank find text") << u" "_s << QString() << test::None;
        QTest::newRow("empty find") << QString() << u"x"_s << u"文字列を入力して下さい。"_s;
        QTest::newRow("empty find before forbidden")
            << QString() << u"/"_s << u"文字列を入力して下さい。"_s;
        QTest::newRow("slash in replacement") << u"a"_s << u"a/b"_s << forbidden;
        QTest::newRow("colon in replacement") << u"a"_s << u":"_s << forbidden;
        QTest::newRow("full-width comma in replacement") << u"a"_s << u"，"_s << test::None;
        QTest::newRow("find text not checked") << u"/:"_s << u"b"_s << test::None;
    }
    void checksInputsInOrder() {
        QFETCH(QString, find);
        QFETCH(QString, replacement);
        QFETCH(QString, expected);
        QCOMPARE(test::Shown(ReplaceCheck(find, replacement)), expected);
        QCOMPARE(test::Shown(MakeReplaceOperation(find, replacement).check()), expected);
    }

    void confirmationText() {
        QCOMPARE(MakeReplaceOperation(u"a"_s, u"b"_s).confirmText,
                 u"置換を開始します。 本当にいいですか？"_s);
    }

    void previewText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("design value")
            << u"sample"_s << u"sample開発資料.txt, sample請求書.txt, …"_s;
        QTest::newRow("empty") << QString() << u"開発資料.txt, 請求書.txt, …"_s;
        QTest::newRow("not applied as a rule")
            << u"資料"_s << u"資料開発資料.txt, 資料請求書.txt, …"_s;
    }
    void previewText() {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(ReplacePreviewText(text), expected);
    }
};

}  // namespace miravel

QTEST_GUILESS_MAIN(miravel::ReplaceOperationTest)
#include "tst_replaceoperation.moc"
