#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "PanelInput.h"
#include "files/widgets/FileTableItemModel.h"
#include "rename/RenameTexts.h"
#include "rename/widgets/ReplacePanel.h"
#include "support/WindowHarness.h"

using namespace miravel;
using namespace miravel::test;
using Kind = ScriptedMessageBoxes::Shown::Kind;

namespace {

const QString kCaption = QStringLiteral("Zentrabe ファイル名一括変換ソフト 『Miravel Ver1.0』");

struct Replace {
    explicit Replace(WindowHarness& harness)
        : Text1(harness.Find<QLineEdit>("Text1")),
          Text2(harness.Find<QLineEdit>("Text2")),
          Command1(harness.Find<QPushButton>("Command1")),
          Label30(harness.Find<QLabel>("Label30")),
          Label28(harness.Find<QLabel>("Label28")) {}
    QLineEdit* Text1;
    QLineEdit* Text2;
    QPushButton* Command1;
    QLabel* Label30;
    QLabel* Label28;
};

}  // namespace

class ReplacePanelTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void showsItsControlsInReadingOrder() {
        WindowHarness harness;
        harness.Open();
        const QStringList names = {"Label1",  "Text1",    "Label4",   "Text2",
                                   "Label3",  "Command1", "chkRegex", "chkReplaceAll",
                                   "Label29", "Label30",  "Label27",  "Label28"};
        auto* frame = harness.Find<QFrame>("Frame3");
        QVERIFY(frame->isVisible());
        QRect previous;
        for (const QString& name : names) {
            auto* control = frame->findChild<QWidget*>(name);
            QVERIFY2(control, qPrintable(name));
            QVERIFY2(control->isVisible(), qPrintable(name));
            const QRect inFrame(control->mapTo(frame, QPoint()), control->size());
            QVERIFY2(frame->rect().contains(inFrame), qPrintable(name));
            // Top to bottom, then left to right.
            if (previous.isValid() && inFrame.top() < previous.bottom())
                QVERIFY2(inFrame.left() >= previous.right(), qPrintable(name));
            previous = inFrame;
        }
        const QStringList captions = {
            "ファイル名に含まれる、文字列", "を", "へ", "置換", "例：", "置換後："};
        const QStringList captioned = {"Label1",   "Label4",  "Label3",
                                       "Command1", "Label29", "Label27"};
        for (int i = 0; i < captions.size(); ++i) {
            auto* label = frame->findChild<QLabel*>(captioned[i]);
            const QString text =
                label ? label->text() : frame->findChild<QPushButton*>(captioned[i])->text();
            QCOMPARE(text, captions[i]);
        }
        Replace panel(harness);
        QCOMPARE(panel.Text1->accessibleName(), QString("ファイル名に含まれる、文字列"));
        QVERIFY(!panel.Text2->accessibleName().isEmpty());
        QVERIFY(!panel.Command1->isDefault());
        QVERIFY(!panel.Command1->autoDefault());
        QVERIFY(frame->height() <= 140);
    }

    void tabFollowsReadingOrder() {
        WindowHarness harness;
        harness.Open();
        QVERIFY(ActivateWindow(harness));
        Replace panel(harness);
        Click(panel.Text1);
        QTRY_VERIFY(panel.Text1->hasFocus());
        QTest::keyClick(panel.Text1, Qt::Key_Tab);
        QTRY_VERIFY(panel.Text2->hasFocus());
        QTest::keyClick(panel.Text2, Qt::Key_Tab);
        QTRY_VERIFY(panel.Command1->hasFocus());
        QTest::keyClick(panel.Command1, Qt::Key_Tab);
        auto* regex = harness.Find<QCheckBox>("chkRegex");
        QTRY_VERIFY(regex->hasFocus());
        QTest::keyClick(regex, Qt::Key_Tab);
        QTRY_VERIFY(harness.Find<QCheckBox>("chkReplaceAll")->hasFocus());
    }

    // Each box reaches its own flag of the request; both start off.
    void checkBoxesReachTheRequest_data() {
        QTest::addColumn<QString>("clicked");
        QTest::addColumn<bool>("regex");
        QTest::addColumn<bool>("replaceAll");
        QTest::newRow("none") << QString() << false << false;
        QTest::newRow("pattern") << "chkRegex" << true << false;
        QTest::newRow("every occurrence") << "chkReplaceAll" << false << true;
    }
    void checkBoxesReachTheRequest() {
        QFETCH(QString, clicked);
        QFETCH(bool, regex);
        QFETCH(bool, replaceAll);
        WindowHarness harness;
        harness.Open();
        if (!clicked.isEmpty()) {
            auto* box = harness.Find<QCheckBox>(clicked);
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(4, box->height() / 2));
        }
        const OperationRequest request = harness.Find<ReplacePanel>("Frame3")->CurrentRequest();
        const auto* fields = std::get_if<ReplaceFields>(&request);
        QVERIFY(fields);
        QCOMPARE(fields->regex, regex);
        QCOMPARE(fields->replaceAll, replaceAll);
    }

    void examplesFollowEveryKeystroke_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("label");
        QTest::newRow("find text before") << "Text1"
                                          << "Label30";
        QTest::newRow("replacement after") << "Text2"
                                           << "Label28";
    }

    void examplesFollowEveryKeystroke() {
        QFETCH(QString, box);
        QFETCH(QString, label);
        WindowHarness harness;
        harness.Open();
        QVERIFY(ActivateWindow(harness));
        auto* edit = harness.Find<QLineEdit>(box);
        auto* example = harness.Find<QLabel>(label);
        TypeInto(edit, QString());
        QCOMPARE(example->text(), QString("開発資料.txt, 請求書.txt, …"));
        QTest::keyClick(edit, Qt::Key_A);
        QCOMPARE(example->text(), QString("a開発資料.txt, a請求書.txt, …"));
        QTest::keyClick(edit, Qt::Key_B);
        QCOMPARE(example->text(), QString("ab開発資料.txt, ab請求書.txt, …"));
        QTest::keyClick(edit, Qt::Key_Backspace);
        QCOMPARE(example->text(), QString("a開発資料.txt, a請求書.txt, …"));
        QTest::keyClick(edit, Qt::Key_Backspace);
        QCOMPARE(example->text(), QString("開発資料.txt, 請求書.txt, …"));
        // A value the program puts in (the saved text at start) counts as well; markup stays
        // plain text.
        edit->setText("<b>x</b>");
        QCOMPARE(example->text(), QString("<b>x</b>開発資料.txt, <b>x</b>請求書.txt, …"));
        QCOMPARE(example->textFormat(), Qt::PlainText);
    }

    void examplesShowTheSavedTextsAtStart_data() {
        QTest::addColumn<bool>("firstStart");
        QTest::addColumn<QStringList>("examples");
        QTest::newRow("first start, empty boxes")
            << true
            << QStringList{"開発資料.txt, 請求書.txt, …", "開発資料.txt, 請求書.txt, …",
                           "開発資料.txt, 請求書.txt, …"};
        QTest::newRow("saved texts")
            << false
            << QStringList{"foo開発資料.txt, foo請求書.txt, …", "bar開発資料.txt, bar請求書.txt, …",
                           "new_開発資料.txt, new_請求書.txt, …"};
    }

    void examplesShowTheSavedTextsAtStart() {
        QFETCH(bool, firstStart);
        QFETCH(QStringList, examples);
        WindowHarness harness;
        harness.firstStart = firstStart;
        harness.lastRun.replaceFind = "foo";
        harness.lastRun.replaceWith = "bar";
        harness.lastRun.addText = "new_";
        harness.Open();
        QStringList shown;
        for (const char* name : {"Label30", "Label28", "Label33"})
            shown << harness.Find<QLabel>(name)->text();
        QCOMPARE(shown, examples);
    }

    void longExamplesNeverWidenTheWindow() {
        WindowHarness harness;
        MainWindow& window = harness.Open();
        Replace panel(harness);
        const QString longText(300, QChar(u'長'));
        panel.Text1->setText(longText);
        panel.Text2->setText(longText);
        QApplication::processEvents();
        QCOMPARE(window.width(), 680);
        QVERIFY(window.minimumSizeHint().width() <= 680);
    }

    void enterInATextBoxRunsNothing() {
        WindowHarness harness;
        harness.folder.MakeFile("sample.txt");
        harness.Open();
        QVERIFY(ActivateWindow(harness));
        Replace panel(harness);
        TypeInto(panel.Text1, "sample");
        QTest::keyClick(panel.Text1, Qt::Key_Return);
        QTest::keyClick(panel.Text2, Qt::Key_Enter);
        QVERIFY(harness.boxes.shown().isEmpty());
        QCOMPARE(harness.folder.Names(), QStringList{"sample.txt"});
    }

    void confirmedReplaceRenamesTheSelectedFiles() {
        WindowHarness harness;
        for (const char* name : {"a_sample.txt", "b_sample.txt", "SAMPLE_sample.txt", "note.txt"})
            harness.folder.MakeFile(name, 3, name);
        harness.Open();
        QVERIFY(ActivateWindow(harness));
        Replace panel(harness);
        SelectOnly(harness, {"a_sample.txt", "SAMPLE_sample.txt", "note.txt"});
        TypeInto(panel.Text1, "sample");
        TypeInto(panel.Text2, "x");
        harness.boxes.QueueAnswer(true);
        Click(panel.Command1);

        QCOMPARE(harness.boxes.shown().size(), 1);
        QCOMPARE(harness.boxes.shown()[0].kind, Kind::Confirm);
        QCOMPARE(harness.boxes.shown()[0].text, QString("置換を開始します。 本当にいいですか？"));
        QCOMPARE(harness.boxes.shown()[0].title, kCaption);
        const QStringList after = {"a_x.txt", "b_sample.txt", "note.txt", "SAMPLE_x.txt"};
        QCOMPARE(harness.folder.Names(),
                 (QStringList{"SAMPLE_x.txt", "a_x.txt", "b_sample.txt", "note.txt"}));
        QCOMPARE(harness.folder.Content("a_x.txt"), QByteArray("a_s"));
        QCOMPARE(harness.TableNames(), after);
        QCOMPARE(harness.SelectedNames(), after);
        QCOMPARE(panel.Text1->text(), QString("sample"));
    }

    void cancelRenamesNothing() {
        WindowHarness harness;
        harness.folder.MakeFile("a_sample.txt");
        MainWindow& window = harness.Open();
        QVERIFY(ActivateWindow(harness));
        Replace panel(harness);
        TypeInto(panel.Text1, "sample");
        QSignalSpy fills(window.TableModel(), &QAbstractItemModel::modelReset);
        harness.boxes.QueueAnswer(false);
        Click(panel.Command1);
        QCOMPARE(harness.boxes.Texts(), QStringList{"置換を開始します。 本当にいいですか？"});
        QCOMPARE(harness.folder.Names(), QStringList{"a_sample.txt"});
        QCOMPARE(fills.count(), 0);
    }

    void refusedInputAsksNoConfirmation_data() {
        QTest::addColumn<QString>("find");
        QTest::addColumn<QString>("replacement");
        QTest::addColumn<QString>("error");
        const QString forbidden = rename_texts::ForbiddenChars.toString();
        QTest::newRow("nothing to find") << ""
                                         << "x"
                                         << "文字列を入力して下さい。";
        QTest::newRow("nothing to find, bad replacement") << ""
                                                          << "a/b"
                                                          << "文字列を入力して下さい。";
        QTest::newRow("slash in replacement") << "sample"
                                              << "a/b" << forbidden;
        QTest::newRow("colon in replacement") << "sample"
                                              << "a:b" << forbidden;
        QTest::newRow("comma in replacement") << "sample"
                                              << "a,b" << forbidden;
        QTest::newRow("bar in replacement") << "sample"
                                            << "|" << forbidden;
    }

    void refusedInputAsksNoConfirmation() {
        QFETCH(QString, find);
        QFETCH(QString, replacement);
        QFETCH(QString, error);
        WindowHarness harness;
        harness.folder.MakeFile("sample.txt");
        harness.Open();
        QVERIFY(ActivateWindow(harness));
        Replace panel(harness);
        TypeInto(panel.Text1, find);
        TypeInto(panel.Text2, replacement);
        Click(panel.Command1);
        QCOMPARE(harness.boxes.shown().size(), 1);
        QCOMPARE(harness.boxes.shown()[0].kind, Kind::Error);
        QCOMPARE(harness.boxes.shown()[0].text, error);
        QCOMPARE(harness.boxes.shown()[0].title, kCaption);
        QCOMPARE(harness.folder.Names(), QStringList{"sample.txt"});
        QCOMPARE(panel.Text1->text(), find);
        QCOMPARE(panel.Text2->text(), replacement);
    }
};

QTEST_MAIN(ReplacePanelTest)
#include "tst_replacepanel.moc"
