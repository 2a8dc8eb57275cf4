#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>

#include "PanelInput.h"
#include "rename/ConvertOperation.h"
#include "rename/OperationTexts.h"
#include "rename/widgets/ConvertPanel.h"
#include "support/WindowHarness.h"

using namespace miravel;
using namespace miravel::test;
using Kind = ScriptedMessageBoxes::Shown::Kind;

namespace {

constexpr int kConvertTab = 4;

QRadioButton* Option(WindowHarness& harness, const char* group, int index) {
    return harness.Find<QRadioButton>(QStringLiteral("%1_%2").arg(QLatin1String(group)).arg(index));
}

// Clicks the option's round mark: a wide button takes clicks on its mark and caption only.
void Choose(WindowHarness& harness, const char* group, int index) {
    QRadioButton* option = Option(harness, group, index);
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
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
        QVERIFY(Option(harness, "Option4", 0)->isChecked());
        QVERIFY(Option(harness, "Option5", 0)->isChecked());
        QVERIFY(!harness.Find<QPushButton>(QStringLiteral("Command8"))->autoDefault());
    }

    // Every button reaches its own value in the request and the examples.
    void choicesReachTheRequestAndTheExamples() {
        WindowHarness harness;
        harness.Open();
        ShowTab(harness, kConvertTab);
        auto* panel = harness.Find<ConvertPanel>(QStringLiteral("Frame7"));
        auto* before = harness.Find<QLabel>(QStringLiteral("Label40"));
        auto* after = harness.Find<QLabel>(QStringLiteral("Label41"));
        for (int conversion = 4; conversion >= 0; --conversion) {
            for (int scope : {1, 0}) {
                Choose(harness, "Option4", conversion);
                Choose(harness, "Option5", scope);
                const OperationRequest request = panel->CurrentRequest();
                const auto* fields = std::get_if<ConvertFields>(&request);
                QVERIFY(fields);
                QCOMPARE(int(fields->conversion), conversion);
                QCOMPARE(int(fields->scope), scope);
                const ConversionPreview expected =
                    ConversionPreviewTexts(fields->conversion, fields->scope);
                QCOMPARE(before->text(), expected.before);
                QCOMPARE(after->text(), expected.after);
            }
        }
    }

    void confirmedConversionRenamesTheSelectedFiles() {
        WindowHarness harness;
        harness.folder.MakeFile("ＡＢＣ　１２３.TXT", 2, "ab");
        harness.Open();
        QVERIFY(ActivateWindow(harness));
        ShowTab(harness, kConvertTab);
        Choose(harness, "Option4", 3);
        Choose(harness, "Option5", 1);
        harness.boxes.QueueAnswer(true);
        Click(harness.Find<QPushButton>(QStringLiteral("Command8")));
        QCOMPARE(harness.boxes.shown().size(), 1);
        QCOMPARE(harness.boxes.shown()[0].kind, Kind::Confirm);
        QCOMPARE(harness.boxes.shown()[0].text, rename_texts::ConfirmConvert.toString());
        QCOMPARE(harness.folder.Names(), QStringList{"ABC 123.TXT"});
        QCOMPARE(harness.TableNames(), QStringList{"ABC 123.TXT"});
        QCOMPARE(harness.folder.Content("ABC 123.TXT"), QByteArray("ab"));
    }
};

QTEST_MAIN(ConvertPanelTest)
#include "tst_convertpanel.moc"
