#include <QTest>

#include "OptionalText.h"
#include "rename/FileNameRules.h"
#include "rename/RenameTexts.h"

using namespace Qt::StringLiterals;

namespace miravel {

class FileNameRulesTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void forbiddenCharsInOrder() {
        const QString expected = u"\\/,;:*?\"<>|"_s;
        QCOMPARE(qsizetype(ForbiddenNameChars.size()), expected.size());
        for (qsizetype i = 0; i < expected.size(); ++i)
            QCOMPARE(QChar(ForbiddenNameChars[size_t(i)]), expected[i]);
    }

    void forbiddenCharsMessage() {
        QCOMPARE(rename_texts::ForbiddenChars.toString(),
                 u"ファイル名には次の文字は使えません。\r\n\\　/　,　;　:　*　?　\"　<　>　|"_s);
    }

    void checksInsertedText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::newRow("empty") << QString() << true;
        QTest::newRow("marker") << u"[第"_s << true;
        QTest::newRow("blanks") << u"  "_s << true;
        QTest::newRow("full-width comma") << u"a，b"_s << true;
        QTest::newRow("full-width semicolon") << u"a；b"_s << true;
        QTest::newRow("full-width backslash") << u"＼"_s << true;
        QTest::newRow("full-width slash") << u"／"_s << true;
        QTest::newRow("yen sign") << u"¥"_s << true;
        QTest::newRow("backslash") << u"a\\b"_s << false;
        QTest::newRow("slash") << u"a/b"_s << false;
        QTest::newRow("comma") << u"a,b"_s << false;
        QTest::newRow("semicolon") << u"a;b"_s << false;
        QTest::newRow("colon") << u"a:b"_s << false;
        QTest::newRow("asterisk") << u"*"_s << false;
        QTest::newRow("question mark") << u"?"_s << false;
        QTest::newRow("double quote") << u"\""_s << false;
        QTest::newRow("less-than") << u"<"_s << false;
        QTest::newRow("greater-than") << u">"_s << false;
        QTest::newRow("vertical bar at the end") << u"abc|"_s << false;
    }
    void checksInsertedText() {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QCOMPARE(CheckFileNameChars(text), valid);
    }

    void guardsBareNames_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("problem");
        QTest::newRow("plain") << u"memo.txt"_s << test::None;
        QTest::newRow("hidden") << u".profile"_s << test::None;
        QTest::newRow("three dots") << u"..."_s << test::None;
        QTest::newRow("blank") << u" "_s << test::None;
        QTest::newRow("backslash is a plain character here") << u"a\\b"_s << test::None;
        QTest::newRow("empty") << QString() << u"ファイル名が空です。"_s;
        QTest::newRow("dot") << u"."_s << u"「.」と「..」はファイル名に使えません。"_s;
        QTest::newRow("dot dot") << u".."_s << u"「.」と「..」はファイル名に使えません。"_s;
        QTest::newRow("slash") << u"sub/memo.txt"_s
                               << u"ファイル名に「/」やヌル文字は使えません。"_s;
        QTest::newRow("NUL") << QString::fromUtf16(u"a\0b", 3)
                             << u"ファイル名に「/」やヌル文字は使えません。"_s;
    }
    void guardsBareNames() {
        QFETCH(QString, name);
        QFETCH(QString, problem);
        QCOMPARE(test::Shown(BareNameProblem(name)), problem);
        QCOMPARE(IsSafeBareName(name), problem == test::None);
    }
};

}  // namespace miravel

QTEST_GUILESS_MAIN(miravel::FileNameRulesTest)
#include "tst_filenamerules.moc"
