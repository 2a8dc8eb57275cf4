#include <QTest>

#include "OptionalText.h"
#include "rename/DateTokens.h"

using namespace Qt::StringLiterals;

namespace miravel {

class DateTokensTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void expandsTokens_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("hasTaken");
        QTest::addColumn<QString>("expected");
        QTest::newRow("created, default format") << u"<作成日>_"_s << false << u"20230405_"_s;
        QTest::newRow("modified, format") << u"<更新日:yyyy-MM-dd>"_s << false << u"2024-11-12"_s;
        QTest::newRow("taken, every field")
            << u"<撮影日:yyMMdd_HHmmss>"_s << true << u"220102_030405"_s;
        QTest::newRow("short fields and other characters")
            << u"<撮影日:M月d日H時m分s秒>"_s << true << u"1月2日3時4分5秒"_s;
        QTest::newRow("empty format") << u"<作成日:>"_s << false << u"20230405"_s;
        QTest::newRow("two tokens") << u"<作成日>-<更新日>"_s << false << u"20230405-20241112"_s;
        QTest::newRow("unknown name stays") << u"<日付>"_s << false << u"<日付>"_s;
        QTest::newRow("unclosed stays") << u"<作成日"_s << false << u"<作成日"_s;
        QTest::newRow("format with < is no token")
            << u"<作成日:yy<更新日>"_s << false << u"<作成日:yy20241112"_s;
        QTest::newRow("no date taken") << u"x<撮影日>"_s << false << test::None;
        QTest::newRow("no date taken, not asked") << u"<作成日>"_s << false << u"20230405"_s;
    }
    void expandsTokens() {
        QFETCH(QString, text);
        QFETCH(bool, hasTaken);
        QFETCH(QString, expected);
        RowDates dates{LocalDateTime::FromFields(2023, 4, 5, 6, 7, 8),
                       LocalDateTime::FromFields(2024, 11, 12, 13, 14, 15), std::nullopt};
        if (hasTaken)
            dates.taken = LocalDateTime::FromFields(2022, 1, 2, 3, 4, 5);
        const TokenExpansion expansion = ExpandDateTokens(text, dates);
        QCOMPARE(test::Shown(expansion.text), expected);
        QCOMPARE(expansion.skipReason, expansion.text ? QString() : u"撮影日がありません"_s);
        QCOMPARE(NeedsDateTaken(text), text.contains(u"<撮影日"_s) && text.contains(u'>'));
    }

    void checksText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        const QString forbidden =
            u"ファイル名には次の文字は使えません。\r\n\\　/　,　;　:　*　?　\"　<　>　|"_s;
        const QString refused =
            u"日付の書式「%1」には使えない英字があります。\r\n"
            u"使える書式：yyyy yy MM M dd d HH H mm m ss s"_s;
        QTest::newRow("accepted") << u"<撮影日:yyyy-MM-dd>_<作成日>"_s << test::None;
        QTest::newRow("non-ASCII letters") << u"<作成日:yyyy年>"_s << test::None;
        QTest::newRow("slash made by a format") << u"<更新日:yyyy/MM/dd>"_s << forbidden;
        QTest::newRow("colon made by a format") << u"<更新日:HH:mm>"_s << forbidden;
        QTest::newRow("unknown token") << u"<日付>"_s << forbidden;
        QTest::newRow("lone bracket") << u"a<b"_s << forbidden;
        QTest::newRow("month name") << u"<作成日:yyyyMMMdd>"_s << refused.arg(u"yyyyMMMdd"_s);
        QTest::newRow("12-hour clock") << u"<作成日:hh>"_s << refused.arg(u"hh"_s);
        QTest::newRow("three-letter year") << u"<作成日:yyy>"_s << refused.arg(u"yyy"_s);
    }
    void checksText() {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(test::Shown(DateTokenTextCheck(text)), expected);
    }
};

}  // namespace miravel

QTEST_GUILESS_MAIN(miravel::DateTokensTest)
#include "tst_datetokens.moc"
