#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>

#include "PanelInput.h"
#include "rename/ConvertOperation.h"
#include "rename/OperationTexts.h"
#include "support/WindowHarness.h"

using namespace miravel;
using namespace miravel::test;
using Kind = ScriptedMessageBoxes::Shown::Kind;

namespace {

constexpr int kConvertTab = 4;

QRadioButton* Option(WindowHarness& harness, const char* group, int index) {
    return harness.Find<QRadioButton>(QStringLiteral("%1_%2").arg(QLatin1String(group)).arg(index));
}

}  // namespace

class ConvertPanelTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void fifthTabShowsThePanelWithItsDefaults() {
        WindowHarness harness;
        harness.Open();
        auto* tabs = harness.Find<QTabBar>(QStringLiteral("TabStrip1"));
        QCOMPARE(tabs->count(), 5);
        QCOMPARE(tabs->tabText(kConvertTab), rename_texts::ConvertTab.toString());
        auto* frame = harness.Find<QFrame>(QStringLiteral("Frame7"));
        QVERIFY(!frame->isVisible());
        ShowTab(harness, kConvertTab);
        QTRY_VERIFY(frame->isVisible());
        QVERIFY(!harness.Find<QFrame>(QStringLiteral("Frame3"))->isVisible());
        const QStringView captions[] = {
            rename_texts::ConvertLower, rename_texts::ConvertUpper, rename_texts::ConvertWordHeads,
            rename_texts::ConvertFullWidthToHalf, rename_texts::ConvertHalfKanaToFull};
        for (int index = 0; index < 5; ++index)
            QCOMPARE(Option(harness, "Option4", index)->text(), captions[index].toString());
        QVERIFY(Option(harness, "Option4", 0)->isChecked());
        QVERIFY(Option(harness, "Option5", 0)->isChecked());
        QCOMPARE(Option(harness, "Option5", 0)->text(), rename_texts::ScopeBaseOnly.toString());
        QCOMPARE(Option(harness, "Option5", 1)->text(), rename_texts::ScopeWholeName.toString());
        QVERIFY(!harness.Find<QPushButton>(QStringLiteral("Command8"))->autoDefault());
    }

    void examplesFollowTheChoices() {
        WindowHarness harness;
        harness.Open();
        ShowTab(harness, kConvertTab);
        auto* before = harness.Find<QLabel>(QStringLiteral("Label40"));
        auto* after = harness.Find<QLabel>(QStringLiteral("Label41"));
        for (int conversion = 4; conversion >= 0; --conversion) {
            for (int scope : {1, 0}) {
                Click(Option(harness, "Option4", conversion));
                Click(Option(harness, "Option5", scope));
                const ConversionPreview expected =
                    ConversionPreviewTexts(Conversion(conversion), ConversionScope(scope));
                QCOMPARE(before->text(), expected.before);
                QCOMPARE(after->text(), expected.after);
            }
        }
    }

    void confirmedConversionRenamesTheSelectedFiles_data() {
        QTest::addColumn<int>("conversion");
        QTest::addColumn<int>("scope");
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("lower case, the extension kept (case only)")
            << 0 << 0 << QStringList{"IMG_01.JPG", "note.txt"}
            << QStringList{"img_01.JPG", "note.txt"};
        QTest::newRow("upper case with the extension")
            << 1 << 1 << QStringList{"note.txt"} << QStringList{"NOTE.TXT"};
        QTest::newRow("full-width letters and digits to half-width")
            << 3 << 0 << QStringList{"ＡＢＣ　１２３.txt"} << QStringList{"ABC 123.txt"};
        QTest::newRow("half-width katakana with voiced marks to full-width")
            << 4 << 0 << QStringList{"ｶﾞｸｼｭｳ ﾊﾟﾝ.txt"} << QStringList{"ガクシュウ パン.txt"};
    }
    void confirmedConversionRenamesTheSelectedFiles() {
        QFETCH(int, conversion);
        QFETCH(int, scope);
        QFETCH(QStringList, before);
        QFETCH(QStringList, after);
        WindowHarness harness;
        for (const QString& name : before)
            harness.folder.MakeFile(name, 2, name.toUtf8());
        harness.Open();
        QVERIFY(ActivateWindow(harness));
        ShowTab(harness, kConvertTab);
        Click(Option(harness, "Option4", conversion));
        Click(Option(harness, "Option5", scope));
        harness.boxes.QueueAnswer(true);
        Click(harness.Find<QPushButton>(QStringLiteral("Command8")));
        QCOMPARE(harness.boxes.shown().size(), 1);
        QCOMPARE(harness.boxes.shown()[0].kind, Kind::Confirm);
        QCOMPARE(harness.boxes.shown()[0].text, rename_texts::ConfirmConvert.toString());
        QCOMPARE(harness.folder.Names(), after);
        QCOMPARE(harness.TableNames(), after);
        QCOMPARE(harness.folder.Content(after[0]), before[0].toUtf8().left(2));
    }
};

QTEST_MAIN(ConvertPanelTest)
#include "tst_convertpanel.moc"
