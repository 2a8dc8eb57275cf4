#include <QTest>

#include "OptionalText.h"
#include "rename/DeleteNumberedOperation.h"
#include "rename/NumberedString.h"

using namespace Qt::StringLiterals;

namespace miravel {

namespace {
const int whole = int(DeleteMode::StringsAndNumber);
const int numberOnly = int(DeleteMode::NumberOnly);
}  // namespace

class DeleteNumberedOperationTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void matchesNumberedString_data() {
        QTest::addColumn<QString>("base");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<QString>("number");
        QTest::newRow("both, one digit") << u"[第9話]基本設計"_s << u"[第"_s << u"話]"_s << u"9"_s;
        QTest::newRow("both, two digits")
            << u"[第10話]詳細設計"_s << u"[第"_s << u"話]"_s << u"10"_s;
        QTest::newRow("both, first marker")
            << u"[第9話][第10話]"_s << u"[第"_s << u"話]"_s << u"9"_s;
        QTest::newRow("both, kanji numeral")
            << u"[第九話]x"_s << u"[第"_s << u"話]"_s << test::None;
        QTest::newRow("both, nothing between")
            << u"[第話]x"_s << u"[第"_s << u"話]"_s << test::None;
        QTest::newRow("both, end only before start")
            << u"話]x[第1"_s << u"[第"_s << u"話]"_s << test::None;
        QTest::newRow("both, only the first start counts")
            << u"[第x話][第1話]"_s << u"[第"_s << u"話]"_s << test::None;
        QTest::newRow("both, start missing") << u"第1話]"_s << u"[第"_s << u"話]"_s << test::None;
        QTest::newRow("both, blanks go with the number")
            << u"[第 9 話]"_s << u"[第"_s << u"話]"_s << u" 9 "_s;
        QTest::newRow("both, decimal") << u"[第1.5話]"_s << u"[第"_s << u"話]"_s << u"1.5"_s;
        QTest::newRow("both, full-width digits")
            << u"[第１２話]"_s << u"[第"_s << u"話]"_s << u"１２"_s;
        QTest::newRow("start only") << u"第12話"_s << u"第"_s << QString() << u"12"_s;
        QTest::newRow("start only, to the end")
            << u"A_1234567"_s << u"A_"_s << QString() << u"1234567"_s;
        QTest::newRow("start only, ends the base") << u"第"_s << u"第"_s << QString() << test::None;
        QTest::newRow("start only, letter after")
            << u"第x12"_s << u"第"_s << QString() << test::None;
        QTest::newRow("start only, not in base") << u"song"_s << u"mp"_s << QString() << test::None;
        QTest::newRow("start only, decimal") << u"第1.5話"_s << u"第"_s << QString() << u"1.5"_s;
        QTest::newRow("end only") << u"第12話"_s << QString() << u"話"_s << u"12"_s;
        QTest::newRow("end only, to the start") << u"12話"_s << QString() << u"話"_s << u"12"_s;
        QTest::newRow("end only, at the start") << u"話x"_s << QString() << u"話"_s << test::None;
        QTest::newRow("end only, letter before") << u"x話"_s << QString() << u"話"_s << test::None;
        QTest::newRow("end only, first end") << u"ab12cd34話"_s << QString() << u"話"_s << u"34"_s;
        QTest::newRow("end only, decimal") << u"第1.5話"_s << QString() << u"話"_s << u"1.5"_s;
        QTest::newRow("end only, sign goes with it")
            << u"v2-3話"_s << QString() << u"話"_s << u"-3"_s;
        QTest::newRow("end only, not in base") << u"abc"_s << QString() << u"話"_s << test::None;
        QTest::newRow("empty base") << QString() << QString() << u"話"_s << test::None;
        QTest::newRow("both texts empty") << u"12"_s << QString() << QString() << test::None;
    }
    void matchesNumberedString() {
        QFETCH(QString, base);
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(QString, number);
        QCOMPARE(test::Shown(MatchNumberedString(base, start, end)), number);
    }

    void computesNewName_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("expected");
        QTest::newRow("whole marker")
            << u"[第9話]基本設計.txt"_s << u"[第"_s << u"話]"_s << whole << u"基本設計.txt"_s;
        QTest::newRow("whole marker, two digits")
            << u"[第10話]詳細設計.txt"_s << u"[第"_s << u"話]"_s << whole << u"詳細設計.txt"_s;
        QTest::newRow("number only") << u"[第9話]基本設計.txt"_s << u"[第"_s << u"話]"_s
                                     << numberOnly << u"[第話]基本設計.txt"_s;
        QTest::newRow("first marker only")
            << u"[第9話][第10話].txt"_s << u"[第"_s << u"話]"_s << whole << u"[第10話].txt"_s;
        QTest::newRow("kanji numeral")
            << u"[第九話]x.txt"_s << u"[第"_s << u"話]"_s << whole << test::None;
        QTest::newRow("nothing between")
            << u"[第話]x.txt"_s << u"[第"_s << u"話]"_s << whole << test::None;
        QTest::newRow("end before start")
            << u"話]x[第1.txt"_s << u"[第"_s << u"話]"_s << whole << test::None;
        QTest::newRow("start only")
            << u"第12話.txt"_s << u"第"_s << QString() << whole << u"話.txt"_s;
        QTest::newRow("start only, number only")
            << u"第12話.txt"_s << u"第"_s << QString() << numberOnly << u"第話.txt"_s;
        QTest::newRow("end only") << u"第12話.txt"_s << QString() << u"話"_s << whole
                                  << u"第.txt"_s;
        QTest::newRow("end only, number only")
            << u"第12話.txt"_s << QString() << u"話"_s << numberOnly << u"第話.txt"_s;
        QTest::newRow("end only, to the start")
            << u"12話.txt"_s << QString() << u"話"_s << whole << u".txt"_s;
        QTest::newRow("number to the end of the base")
            << u"A_1234567.txt"_s << u"A_"_s << QString() << numberOnly << u"A_.txt"_s;
        QTest::newRow("extension not searched")
            << u"song.mp3"_s << u"mp"_s << QString() << whole << test::None;
        QTest::newRow("marker in extension only")
            << u"a.[第9話]"_s << u"[第"_s << u"話]"_s << whole << test::None;
        QTest::newRow("empty base")
            << u".gitignore"_s << QString() << u"話"_s << whole << test::None;
        QTest::newRow("whole name is the marker")
            << u"[第9話]"_s << u"[第"_s << u"話]"_s << whole << QString();
        QTest::newRow("same marker in extension stays")
            << u"[第9話]x.[第9話]"_s << u"[第"_s << u"話]"_s << whole << u"x.[第9話]"_s;
    }
    void computesNewName() {
        QFETCH(QString, name);
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(int, mode);
        QFETCH(QString, expected);
        const BatchOperation operation =
            MakeDeleteNumberedOperation({start, end, DeleteMode(mode)});
        QCOMPARE(test::Shown(operation.newName(name, 0)), expected);
    }

    void checksInputsInOrder_data() {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<QString>("expected");
        const QString forbidden =
            u"ファイル名には次の文字は使えません。\r\n\\　/　,　;　:　*　?　\"　<　>　|"_s;
        const QString either = u"どちらか一方には、文字列を入力して下さい。"_s;
        const QString noNumber = u"数値は入力できません。"_s;
        QTest::newRow("design values") << u"[第"_s << u"話]"_s << test::None;
        QTest::newRow("digit inside text") << u"第1"_s << QString() << test::None;
        QTest::newRow("both empty") << QString() << QString() << either;
        QTest::newRow("start numeric") << u"1"_s << u"話]"_s << noNumber;
        QTest::newRow("end numeric") << u"[第"_s << u"2"_s << noNumber;
        QTest::newRow("end numeric, start empty") << QString() << u"2"_s << noNumber;
        QTest::newRow("full-width numeric") << u"１"_s << QString() << noNumber;
        QTest::newRow("numeric with blanks") << u" 1 "_s << u"x"_s << noNumber;
        QTest::newRow("numeric before forbidden") << u"1"_s << u"/"_s << noNumber;
        QTest::newRow("slash in end") << u"[第"_s << u"/"_s << forbidden;
        QTest::newRow("comma in start") << u"a,"_s << QString() << forbidden;
    }
    void checksInputsInOrder() {
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(QString, expected);
        const DeleteFields fields{start, end, DeleteMode::StringsAndNumber};
        QCOMPARE(test::Shown(MakeDeleteNumberedOperation(fields).check()), expected);
    }

    void confirmationText() {
        QCOMPARE(
            MakeDeleteNumberedOperation({u"[第"_s, u"話]"_s, DeleteMode::NumberOnly}).confirmText,
            u"削除を開始します。本当にいいですか？"_s);
    }

    void previewTexts_data() {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::addColumn<bool>("struck");
        QTest::newRow("design, whole")
            << u"[第"_s << u"話]"_s << whole << u"[第9話]基本設計.txt, [第10話]詳細設計.txt …"_s
            << u"基本設計.txt, 詳細設計.txt …"_s << false;
        QTest::newRow("design, number only")
            << u"[第"_s << u"話]"_s << numberOnly
            << u"[第9話]基本設計.txt, [第10話]詳細設計.txt …"_s
            << u"[第話]基本設計.txt, [第話]詳細設計.txt …"_s << false;
        QTest::newRow("both empty")
            << QString() << QString() << whole << u"9基本設計.txt, 10詳細設計.txt …"_s
            << u"9基本設計.txt, 10詳細設計.txt …"_s << true;
        QTest::newRow("start numeric")
            << u"1"_s << u"話]"_s << whole << u"19話]基本設計.txt, 110話]詳細設計.txt …"_s
            << u"19話]基本設計.txt, 110話]詳細設計.txt …"_s << true;
        QTest::newRow("end numeric, number only")
            << u"[第"_s << u"2"_s << numberOnly << u"[第92基本設計.txt, [第102詳細設計.txt …"_s
            << u"[第92基本設計.txt, [第102詳細設計.txt …"_s << true;
    }
    void previewTexts() {
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(int, mode);
        QFETCH(QString, before);
        QFETCH(QString, after);
        QFETCH(bool, struck);
        const DeleteFields fields{start, end, DeleteMode(mode)};
        const DeletePreview preview = DeletePreviewTexts(fields);
        QCOMPARE(preview.before, before);
        QCOMPARE(preview.after, after);
        QCOMPARE(preview.struck, struck);
        QCOMPARE(DeleteFieldsRefused(fields), struck);
    }
};

}  // namespace miravel

QTEST_GUILESS_MAIN(miravel::DeleteNumberedOperationTest)
#include "tst_deletenumberedoperation.moc"
