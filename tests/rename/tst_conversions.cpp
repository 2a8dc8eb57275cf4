#include <QTest>

#include "OptionalText.h"
#include "rename/ConvertOperation.h"

using namespace Qt::StringLiterals;

namespace miravel {

namespace {

QString Undecodable(char16_t byte) {
    return QString(QChar(char16_t(0xDC00 + byte)));
}

}  // namespace

class ConversionsTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void convertsText_data() {
        QTest::addColumn<int>("conversion");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        const int lower = int(Conversion::Lower);
        const int upper = int(Conversion::Upper);
        const int heads = int(Conversion::WordHeads);
        const int half = int(Conversion::FullWidthToHalf);
        const int full = int(Conversion::HalfKanaToFull);
        const QString e9 = Undecodable(0xE9);
        QTest::newRow("lower") << lower << u"Photo_A.JPG"_s << u"photo_a.jpg"_s;
        QTest::newRow("lower, full-width and Greek") << lower << u"ＡＢ ΣΩ"_s << u"ａｂ σω"_s;
        QTest::newRow("lower, outside the BMP") << lower << u"𐐀"_s << u"𐐨"_s;
        QTest::newRow("lower, undecodable byte kept")
            << lower << u"A"_s + e9 + u"B"_s << u"a"_s + e9 + u"b"_s;
        QTest::newRow("upper, one code point for one") << upper << u"straße"_s << u"STRAßE"_s;
        QTest::newRow("heads") << heads << u"my photo-new_file (2)"_s << u"My Photo-New_File (2)"_s;
        QTest::newRow("heads, rest kept") << heads << u"NASA report"_s << u"NASA Report"_s;
        QTest::newRow("heads, kana separates") << heads << u"資料abc"_s << u"資料Abc"_s;
        QTest::newRow("heads, digits and apostrophes inside")
            << heads << u"2nd take don't"_s << u"2nd Take Don't"_s;
        QTest::newRow("heads, undecodable byte inside")
            << heads << u"r"_s + e9 + u"sum"_s + e9 + u" x"_s
            << u"R"_s + e9 + u"sum"_s + e9 + u" X"_s;
        QTest::newRow("half") << half << u"ＡＢＣ１２３（ａ）～"_s << u"ABC123(a)~"_s;
        QTest::newRow("half, ideographic space") << half << u"会議　メモ"_s << u"会議 メモ"_s;
        QTest::newRow("half, refused characters stay")
            << half << u"Ａ／Ｂ：Ｃ？＊＜＞｜＂＼，；"_s << u"A／B：C？＊＜＞｜＂＼，；"_s;
        QTest::newRow("half, nothing else") << half << u"ｶﾞア￥ａ"_s + e9 << u"ｶﾞア￥a"_s + e9;
        QTest::newRow("full") << full << u"ｶﾞｸｼｭｳ"_s << u"ガクシュウ"_s;
        QTest::newRow("full, semi-voiced") << full << u"ﾊﾟﾝﾎﾟ"_s << u"パンポ"_s;
        QTest::newRow("full, voiced rows")
            << full << u"ｳﾞｧｲｵﾘﾝ ﾂﾞ ﾄﾞ ﾋﾞ ﾜﾞ ｦﾞ"_s << u"ヴァイオリン ヅ ド ビ ヷ ヺ"_s;
        QTest::newRow("full, marks that do not combine")
            << full << u"ｱﾞﾟｶﾟ カﾞ"_s << u"ア゛゜カ゜ カ゛"_s;
        QTest::newRow("full, punctuation")
            << full << u"｢ﾒﾓ｣､ﾃｽﾄ｡･ｰ"_s << u"「メモ」、テスト。・ー"_s;
        QTest::newRow("full, nothing else")
            << full << Undecodable(0xB6) + u"ｶ ABCａ"_s << Undecodable(0xB6) + u"カ ABCａ"_s;
    }
    void convertsText() {
        QFETCH(int, conversion);
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(ConvertText(text, Conversion(conversion)), expected);
    }

    void convertsNameInScope_data() {
        QTest::addColumn<int>("conversion");
        QTest::addColumn<int>("scope");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected");
        const int baseOnly = int(ConversionScope::BaseOnly);
        const int whole = int(ConversionScope::WholeName);
        const int lower = int(Conversion::Lower);
        QTest::newRow("name only") << lower << baseOnly << u"Photo.JPG"_s << u"photo.JPG"_s;
        QTest::newRow("with extension") << lower << whole << u"Photo.JPG"_s << u"photo.jpg"_s;
        QTest::newRow("extension is a word")
            << int(Conversion::WordHeads) << whole << u"my photo.jpg"_s << u"My Photo.Jpg"_s;
        QTest::newRow("nothing to change") << lower << whole << u"photo.jpg"_s << test::None;
        QTest::newRow("only the extension would change")
            << lower << baseOnly << u"photo.JPG"_s << test::None;
        QTest::newRow("full-width stop becomes the dot")
            << int(Conversion::FullWidthToHalf) << whole << u"資料．ｔｘｔ"_s << u"資料.txt"_s;
    }
    void convertsNameInScope() {
        QFETCH(int, conversion);
        QFETCH(int, scope);
        QFETCH(QString, name);
        QFETCH(QString, expected);
        const BatchOperation operation =
            MakeConversionOperation(Conversion(conversion), ConversionScope(scope));
        QCOMPARE(test::Shown(operation.newName(name, 0)), expected);
    }

    void previewShowsTheRule_data() {
        QTest::addColumn<int>("conversion");
        QTest::addColumn<int>("scope");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::newRow("lower, name only")
            << int(Conversion::Lower) << int(ConversionScope::BaseOnly)
            << u"Photo_A.JPG, README.Txt, …"_s << u"photo_a.JPG, readme.Txt, …"_s;
        QTest::newRow("full") << int(Conversion::HalfKanaToFull) << int(ConversionScope::BaseOnly)
                              << u"ｶﾞｲﾄﾞ.txt, ﾊﾟﾝﾌﾚｯﾄ.txt, …"_s
                              << u"ガイド.txt, パンフレット.txt, …"_s;
    }
    void previewShowsTheRule() {
        QFETCH(int, conversion);
        QFETCH(int, scope);
        QFETCH(QString, before);
        QFETCH(QString, after);
        const ConversionPreview preview =
            ConversionPreviewTexts(Conversion(conversion), ConversionScope(scope));
        QCOMPARE(preview.before, before);
        QCOMPARE(preview.after, after);
    }

    void confirmsWithoutChecks() {
        const BatchOperation operation =
            MakeConversionOperation(Conversion::Upper, ConversionScope::BaseOnly);
        QCOMPARE(test::Shown(operation.check()), test::None);
        QCOMPARE(operation.confirmText, u"変換を開始します。本当にいいですか？"_s);
    }
};

}  // namespace miravel

QTEST_GUILESS_MAIN(miravel::ConversionsTest)
#include "tst_conversions.moc"
