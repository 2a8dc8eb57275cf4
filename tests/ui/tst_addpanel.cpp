#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

#include "PanelInput.h"
#include "rename/RenameTexts.h"
#include "support/SamplePhoto.h"
#include "support/WindowHarness.h"

using namespace miravel;
using namespace miravel::test;
using Kind = ScriptedMessageBoxes::Shown::Kind;

namespace {

const QString kCaption = QStringLiteral("Zentrabe ファイル名一括変換ソフト 『Miravel Ver1.0』");
const QColor kLightRed(255, 128, 128);

struct Add {
    explicit Add(WindowHarness& harness)
        : txtST(harness.Find<QLineEdit>("txtST")),
          Text3(harness.Find<QLineEdit>("Text3")),
          Command2(harness.Find<QPushButton>("Command2")),
          Label33(harness.Find<QLabel>("Label33")) {
        for (int index = 0; index < 3; ++index)
            Option1[index] = harness.Find<QRadioButton>(QStringLiteral("Option1_%1").arg(index));
    }
    QRadioButton* Option1[3] = {};
    QLineEdit* txtST;
    QLineEdit* Text3;
    QPushButton* Command2;
    QLabel* Label33;
};

// The add panel shown, with the keyboard in the window.
Add OpenAddPanel(WindowHarness& harness) {
    harness.Open();
    ShowTab(harness, 1);
    if (!ActivateWindow(harness))
        qWarning("window not active");
    return Add(harness);
}

QColor NormalBase() {
    return QLineEdit().palette().color(QPalette::Base);
}

}  // namespace

class AddPanelTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void startsWithHeadChosenAndThePositionBoxOff() {
        WindowHarness harness;
        Add panel = OpenAddPanel(harness);
        auto* frame = harness.Find<QFrame>("Frame4");
        QVERIFY(frame->isVisible());
        const QStringList names = {"Label5",  "Frame1",  "Option1_0", "Option1_1", "Option1_2",
                                   "txtST",   "Label7",  "Text3",     "Label6",    "Command2",
                                   "Label36", "Label35", "Label34",   "Label33"};
        for (const QString& name : names) {
            auto* control = frame->findChild<QWidget*>(name);
            QVERIFY2(control && control->isVisible(), qPrintable(name));
            const QRect inFrame(control->mapTo(frame, QPoint()), control->size());
            QVERIFY2(frame->rect().contains(inFrame), qPrintable(name));
        }
        QVERIFY(frame->height() <= 140);
        QVERIFY(panel.Option1[0]->isChecked());
        QCOMPARE(panel.Option1[0]->text(), QString("先頭"));
        QCOMPARE(panel.Option1[1]->text(), QString("後尾"));
        QCOMPARE(panel.Option1[2]->text(), QString("指定"));
        QCOMPARE(panel.txtST->text(), QString("0"));
        QVERIFY(!panel.txtST->isEnabled());
        QCOMPARE(panel.txtST->maxLength(), 3);
        QVERIFY(!panel.txtST->testAttribute(Qt::WA_InputMethodEnabled));
        QCOMPARE(harness.Find<QLabel>("Label35")->text(), QString("開発資料.txt, 請求書.txt, …"));
        QCOMPARE(panel.Label33->text(), QString("開発資料.txt, 請求書.txt, …"));
        QVERIFY(!panel.Command2->autoDefault());
    }

    void exampleFollowsPlacementTextAndPosition_data() {
        QTest::addColumn<int>("option");
        QTest::addColumn<QString>("position");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("example");
        QTest::newRow("head") << 0 << ""
                              << "new_"
                              << "new_開発資料.txt, new_請求書.txt, …";
        QTest::newRow("tail") << 1 << ""
                              << "_v2"
                              << "開発資料_v2.txt, 請求書_v2.txt, …";
        QTest::newRow("after 2") << 2 << "2"
                                 << "X"
                                 << "開発X資料.txt, 請求X書.txt, …";
        QTest::newRow("after 0") << 2 << "0"
                                 << "X"
                                 << "X開発資料.txt, X請求書.txt, …";
        QTest::newRow("after 3, past the short sample") << 2 << "3"
                                                        << "X"
                                                        << "開発資X料.txt, 請求書X.txt, …";
        QTest::newRow("after 99") << 2 << "99"
                                  << "X"
                                  << "開発資料X.txt, 請求書X.txt, …";
        QTest::newRow("after 1.5 is after 2") << 2 << "1.5"
                                              << "X"
                                              << "開発X資料.txt, 請求X書.txt, …";
        QTest::newRow("after 2.5 is after 2") << 2 << "2.5"
                                              << "X"
                                              << "開発X資料.txt, 請求X書.txt, …";
    }

    void exampleFollowsPlacementTextAndPosition() {
        QFETCH(int, option);
        QFETCH(QString, position);
        QFETCH(QString, text);
        QFETCH(QString, example);
        WindowHarness harness;
        Add panel = OpenAddPanel(harness);
        Click(panel.Option1[option]);
        QCOMPARE(panel.txtST->isEnabled(), option == 2);
        if (option == 2)
            TypeInto(panel.txtST, position);
        TypeInto(panel.Text3, text);
        QCOMPARE(panel.Label33->text(), example);
        // A text put in by the program (the saved one at start) rebuilds the example too.
        panel.Text3->setText(QString());
        QCOMPARE(panel.Label33->text(), QString("開発資料.txt, 請求書.txt, …"));
    }

    void positionThatIsNoNumberKeepsTheExample() {
        WindowHarness harness;
        Add panel = OpenAddPanel(harness);
        Click(panel.Option1[2]);
        TypeInto(panel.Text3, "X");
        TypeInto(panel.txtST, "1");
        const QString afterOne = QStringLiteral("開X発資料.txt, 請X求書.txt, …");
        QCOMPARE(panel.Label33->text(), afterOne);
        panel.txtST->selectAll();
        QTest::keyClicks(panel.txtST, "-1");
        QCOMPARE(panel.Label33->text(), afterOne);
        QTest::keyClick(panel.Text3, Qt::Key_Y);
        QCOMPARE(panel.Label33->text(), afterOne);
    }

    void switchingToHeadDisablesThePositionAndShowsTheHeadExample() {
        WindowHarness harness;
        Add panel = OpenAddPanel(harness);
        TypeInto(panel.Text3, "X");
        Click(panel.Option1[2]);
        QVERIFY(panel.txtST->isEnabled());
        TypeInto(panel.txtST, "2");
        QCOMPARE(panel.Label33->text(), QString("開発X資料.txt, 請求X書.txt, …"));
        Click(panel.Option1[0]);
        QVERIFY(panel.Option1[0]->isChecked());
        QVERIFY(!panel.txtST->isEnabled());
        QCOMPARE(panel.Label33->text(), QString("X開発資料.txt, X請求書.txt, …"));
    }

    void refusedPositionKeepsTheFocus_data() {
        QTest::addColumn<QString>("position");
        QTest::addColumn<QString>("leaveBy");
        QTest::addColumn<QString>("error");
        const QString zeroOrMore = QStringLiteral("0以上の数字を入力して下さい。");
        const QString number = QStringLiteral("数字を入力して下さい。");
        QTest::newRow("-1 by tab") << "-1"
                                   << "tab" << zeroOrMore;
        QTest::newRow("-1 by the run button") << "-1"
                                              << "run" << zeroOrMore;
        QTest::newRow("-1 by the head option") << "-1"
                                               << "head" << zeroOrMore;
        QTest::newRow("-0.6 by the text box") << "-.6"
                                              << "text" << zeroOrMore;
        QTest::newRow("letters by tab") << "abc"
                                        << "tab" << number;
        QTest::newRow("empty by the run button") << ""
                                                 << "run" << number;
        QTest::newRow("sign only by the head option") << "+"
                                                      << "head" << number;
    }

    void refusedPositionKeepsTheFocus() {
        QFETCH(QString, position);
        QFETCH(QString, leaveBy);
        QFETCH(QString, error);
        WindowHarness harness;
        harness.folder.MakeFile("report.txt");
        Add panel = OpenAddPanel(harness);
        TypeInto(panel.Text3, "X");
        Click(panel.Option1[2]);
        TypeInto(panel.txtST, position);
        QTRY_VERIFY(panel.txtST->hasFocus());

        if (leaveBy == "tab")
            QTest::keyClick(panel.txtST, Qt::Key_Tab);
        else if (leaveBy == "run")
            Click(panel.Command2);
        else if (leaveBy == "head")
            Click(panel.Option1[0]);
        else
            Click(panel.Text3);

        QTRY_COMPARE(harness.boxes.shown().size(), 1);
        QCOMPARE(harness.boxes.shown()[0].kind, Kind::Error);
        QCOMPARE(harness.boxes.shown()[0].text, error);
        QCOMPARE(harness.boxes.shown()[0].title, kCaption);
        QTRY_VERIFY(panel.txtST->hasFocus());
        QCOMPARE(panel.txtST->palette().color(QPalette::Base), kLightRed);
        // The click that tried to leave did nothing else.
        QVERIFY(panel.Option1[2]->isChecked());
        QVERIFY(panel.txtST->isEnabled());
        QCOMPARE(harness.folder.Names(), QStringList{"report.txt"});

        // Fixed, the box lets the focus go and looks as before.
        TypeInto(panel.txtST, "2");
        QTest::keyClick(panel.txtST, Qt::Key_Tab);
        QTRY_VERIFY(panel.Text3->hasFocus());
        QCOMPARE(panel.txtST->palette().color(QPalette::Base), NormalBase());
        QCOMPARE(harness.boxes.shown().size(), 1);
        QCOMPARE(panel.Label33->text(), QString("開発X資料.txt, 請求X書.txt, …"));
    }

    void refusedPositionAgainShowsTheMessageAgain() {
        WindowHarness harness;
        Add panel = OpenAddPanel(harness);
        Click(panel.Option1[2]);
        TypeInto(panel.txtST, "-1");
        QTest::keyClick(panel.txtST, Qt::Key_Tab);
        QTRY_VERIFY(panel.txtST->hasFocus());
        QTest::keyClick(panel.txtST, Qt::Key_Backtab);
        QTRY_COMPARE(harness.boxes.ErrorTexts().size(), 2);
        QTRY_VERIFY(panel.txtST->hasFocus());
        QCOMPARE(harness.boxes.ErrorTexts(),
                 (QStringList{"0以上の数字を入力して下さい。", "0以上の数字を入力して下さい。"}));
    }

    void addsTheTextToRealFiles_data() {
        QTest::addColumn<int>("option");
        QTest::addColumn<QString>("position");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("head") << 0 << "0"
                              << "new_"
                              << QStringList{"new_.profile", "new_a.b.c", "new_readme",
                                             "new_report.txt"};
        QTest::newRow("tail") << 1 << "0"
                              << "_v2"
                              << QStringList{"_v2.profile", "a.b_v2.c", "readme_v2",
                                             "report_v2.txt"};
        QTest::newRow("after 2") << 2 << "2"
                                 << "X"
                                 << QStringList{"X.profile", "a.Xb.c", "reXadme", "reXport.txt"};
        QTest::newRow("after 0") << 2 << "0"
                                 << "X"
                                 << QStringList{"X.profile", "Xa.b.c", "Xreadme", "Xreport.txt"};
        QTest::newRow("after 99") << 2 << "99"
                                  << "X"
                                  << QStringList{"X.profile", "a.bX.c", "readmeX", "reportX.txt"};
        QTest::newRow("after 1.5")
            << 2 << "1.5"
            << "X" << QStringList{"X.profile", "a.Xb.c", "reXadme", "reXport.txt"};
    }

    void addsTheTextToRealFiles() {
        QFETCH(int, option);
        QFETCH(QString, position);
        QFETCH(QString, text);
        QFETCH(QStringList, names);
        WindowHarness harness;
        for (const char* name : {"report.txt", "a.b.c", ".profile", "readme"})
            harness.folder.MakeFile(name, 4, name);
        Add panel = OpenAddPanel(harness);
        Click(panel.Option1[option]);
        if (option == 2)
            TypeInto(panel.txtST, position);
        TypeInto(panel.Text3, text);
        harness.boxes.QueueAnswer(true);
        Click(panel.Command2);
        QCOMPARE(harness.boxes.Texts(), QStringList{"付加を開始します。 本当にいいですか？"});
        QCOMPARE(harness.boxes.shown()[0].title, kCaption);
        QStringList sorted = harness.folder.Names();
        sorted.sort();
        QCOMPARE(sorted, names);
        QCOMPARE(harness.TableNames().size(), 4);
        QCOMPARE(harness.SelectedNames().size(), 4);
        for (const QString& name : harness.folder.Names())
            QCOMPARE(harness.folder.Content(name).size(), 4);
    }

    void refusedTextAsksNoConfirmation_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("error");
        const QString forbidden = rename_texts::ForbiddenChars.toString();
        QTest::newRow("empty") << ""
                               << "文字列を入力して下さい。";
        QTest::newRow("colon") << "a:b" << forbidden;
        QTest::newRow("semicolon") << ";" << forbidden;
        QTest::newRow("backslash") << "\\" << forbidden;
    }

    void refusedTextAsksNoConfirmation() {
        QFETCH(QString, text);
        QFETCH(QString, error);
        WindowHarness harness;
        harness.folder.MakeFile("a.txt");
        Add panel = OpenAddPanel(harness);
        TypeInto(panel.Text3, text);
        QTest::keyClick(panel.Text3, Qt::Key_Return);
        QVERIFY(harness.boxes.shown().isEmpty());
        Click(panel.Command2);
        QCOMPARE(harness.boxes.ErrorTexts(), QStringList{error});
        QCOMPARE(harness.boxes.shown().size(), 1);
        QCOMPARE(harness.folder.Names(), QStringList{"a.txt"});
    }

    // The menu puts its token where the cursor is; the run then reads each photo's date.
    void tokenMenuInsertsAtTheCursorAndTheRunTakesEachPhotosDate() {
        WindowHarness harness;
        QVERIFY(WriteFileBytes(QFile::encodeName(harness.folder.FilePath("shot.jpg")),
                               JpegBytes("2024:05:06 07:08:09")));
        harness.folder.MakeFile("note.txt");
        Add panel = OpenAddPanel(harness);
        TypeInto(panel.Text3, "__");
        panel.Text3->setCursorPosition(1);
        auto* button = harness.Find<QToolButton>("cmdToken");
        QVERIFY(!button->accessibleName().isEmpty());
        const QList<QAction*> tokens = button->menu()->actions();
        QCOMPARE(tokens.size(), 3);
        tokens.at(2)->trigger();
        QCOMPARE(panel.Text3->text(), QString("_<撮影日>_"));
        QVERIFY(panel.Text3->hasFocus());

        harness.boxes.QueueAnswer(true);
        Click(panel.Command2);
        QCOMPARE(harness.boxes.Texts(), QStringList{"付加を開始します。 本当にいいですか？"});
        QCOMPARE(harness.folder.Names(), (QStringList{"_20240506_shot.jpg", "note.txt"}));
    }
};

QTEST_MAIN(AddPanelTest)
#include "tst_addpanel.moc"
