#include <QAbstractItemModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTest>

#include "files/widgets/FileTableItemModel.h"
#include "rename/widgets/DeletePanel.h"
#include "support/WindowHarness.h"
#include "ui/PanelInput.h"

using namespace miravel;
using namespace miravel::test;

namespace {

const QString kConfirm = QStringLiteral("削除を開始します。本当にいいですか？");
const QString kForbidden =
    QStringLiteral("ファイル名には次の文字は使えません。\r\n\\　/　,　;　:　*　?　\"　<　>　|");

// A window on the delete panel.
struct DeleteWindow {
    explicit DeleteWindow(const QStringList& files = {}) {
        for (const QString& name : files)
            harness.folder.MakeFile(name);
        harness.StartWithFormTexts();
        harness.Open();
        harness.window().activateWindow();
        if (!QTest::qWaitForWindowActive(&harness.window()))
            qWarning("window not active");
        auto* tabs = harness.Find<QTabBar>("TabStrip1");
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(3).center());
    }
    QLineEdit* Box(const char* name) { return harness.Find<QLineEdit>(QString::fromLatin1(name)); }
    QLabel* Label(const char* name) { return harness.Find<QLabel>(QString::fromLatin1(name)); }
    QRadioButton* Option(int index) {
        return harness.Find<QRadioButton>(QStringLiteral("Option3_%1").arg(index));
    }
    QPushButton* RunButton() { return harness.Find<QPushButton>(QStringLiteral("Command7")); }
    bool Struck() { return Label("Label9")->font().strikeOut(); }
    WindowHarness harness;
};

}  // namespace

class DeletePanelTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void startsWithTheDesignTexts() {
        DeleteWindow w;
        QCOMPARE(w.Label("Label31")->text(),
                 QStringLiteral("[第9話]基本設計.txt, [第10話]詳細設計.txt, …"));
        QCOMPARE(w.Label("Label9")->text(), QStringLiteral("基本設計.txt, 詳細設計.txt, …"));
        QVERIFY(!w.Struck());
        QVERIFY(w.Option(0)->isChecked());
    }

    void examplesFollowTypingAndOptions_data() {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<int>("option");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::addColumn<bool>("struck");
        const QString marked = QStringLiteral("[第9話]基本設計.txt, [第10話]詳細設計.txt …");
        QTest::newRow("strings and number")
            << "[第"
            << "話]" << 0 << marked << "基本設計.txt, 詳細設計.txt …" << false;
        QTest::newRow("number only")
            << "[第"
            << "話]" << 1 << marked << "[第話]基本設計.txt, [第話]詳細設計.txt …" << false;
        QTest::newRow("end only") << ""
                                  << "話" << 1 << "9話基本設計.txt, 10話詳細設計.txt …"
                                  << "話基本設計.txt, 話詳細設計.txt …" << false;
        QTest::newRow("digit inside a text") << "第1"
                                             << "" << 0 << "第19基本設計.txt, 第110詳細設計.txt …"
                                             << "基本設計.txt, 詳細設計.txt …" << false;
        QTest::newRow("both empty") << ""
                                    << "" << 0 << "9基本設計.txt, 10詳細設計.txt …"
                                    << "9基本設計.txt, 10詳細設計.txt …" << true;
        QTest::newRow("numeric start") << "1"
                                       << "話]" << 1 << "19話]基本設計.txt, 110話]詳細設計.txt …"
                                       << "19話]基本設計.txt, 110話]詳細設計.txt …" << true;
        QTest::newRow("full-width numeric end")
            << "[第"
            << "２" << 0 << "[第9２基本設計.txt, [第10２詳細設計.txt …"
            << "[第9２基本設計.txt, [第10２詳細設計.txt …" << true;
    }
    void examplesFollowTypingAndOptions() {
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(int, option);
        QFETCH(QString, before);
        QFETCH(QString, after);
        QFETCH(bool, struck);
        DeleteWindow w;
        Click(w.Option(option));
        Retype(w.Box("Text7"), start);
        Retype(w.Box("Text8"), end);
        QCOMPARE(w.Label("Label31")->text(), before);
        QCOMPARE(w.Label("Label9")->text(), after);
        QCOMPARE(w.Struck(), struck);
        // Mending the fields lifts the mark again.
        Retype(w.Box("Text7"), QStringLiteral("<"));
        Retype(w.Box("Text8"), QStringLiteral(">"));
        QVERIFY(!w.Struck());
        QCOMPARE(w.Label("Label31")->text(), QStringLiteral("<9>基本設計.txt, <10>詳細設計.txt …"));
    }

    // The mark applied to fields filled without a rebuild, as at start-up: the examples keep
    // their texts unless the fields would be refused.
    void refusalMarkAloneKeepsTheExamples_data() {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<bool>("struck");
        QTest::newRow("both empty") << ""
                                    << "" << true;
        QTest::newRow("start 1") << "1"
                                 << "" << true;
        QTest::newRow("end 2") << "[第"
                               << "2" << true;
        QTest::newRow("start only") << "[第"
                                    << "" << false;
        QTest::newRow("both") << "[第"
                              << "話]" << false;
    }
    void refusalMarkAloneKeepsTheExamples() {
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(bool, struck);
        DeleteWindow w;
        auto* panel = w.harness.Find<DeletePanel>(QStringLiteral("Frame6"));
        {
            const QSignalBlocker blockStart(w.Box("Text7"));
            const QSignalBlocker blockEnd(w.Box("Text8"));
            w.Box("Text7")->setText(start);
            w.Box("Text8")->setText(end);
        }
        panel->ApplyRefusalMark();
        const QString designBefore = QStringLiteral("[第9話]基本設計.txt, [第10話]詳細設計.txt, …");
        QCOMPARE(w.Label("Label31")->text(), designBefore);
        QCOMPARE(w.Label("Label9")->text(),
                 struck ? designBefore : QStringLiteral("基本設計.txt, 詳細設計.txt, …"));
        QCOMPARE(w.Struck(), struck);
    }

    void deletesMarkersOfSelectedNames_data() {
        QTest::addColumn<int>("option");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("strings and number")
            << 0 << QStringList{"memo.txt", "基本設計.txt", "詳細設計.txt"};
        QTest::newRow("number only")
            << 1 << QStringList{"[第話]基本設計.txt", "[第話]詳細設計.txt", "memo.txt"};
    }
    void deletesMarkersOfSelectedNames() {
        QFETCH(int, option);
        QFETCH(QStringList, expected);
        DeleteWindow w({"[第9話]基本設計.txt", "[第10話]詳細設計.txt", "memo.txt"});
        Click(w.Option(option));
        w.harness.boxes.QueueAnswer(true);
        Click(w.RunButton());
        QCOMPARE(w.harness.boxes.Texts(), QStringList{kConfirm});
        QCOMPARE(w.harness.folder.Names(), expected);
        QCOMPARE(w.harness.TableNames().size(), 3);
    }

    void noMatchLeavesTheTableAlone() {
        DeleteWindow w({"memo.txt", "[第九話]x.txt"});
        int fills = 0;
        connect(w.harness.window().TableModel(), &QAbstractItemModel::modelReset, this,
                [&] { ++fills; });
        w.harness.boxes.QueueAnswer(true);
        Click(w.RunButton());
        QCOMPARE(w.harness.boxes.Texts(), QStringList{kConfirm});
        QCOMPARE(fills, 0);
        QCOMPARE(w.harness.folder.Names(), (QStringList{"[第九話]x.txt", "memo.txt"}));
    }

    void refusedRunsShowTheirBoxAndRenameNothing_data() {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<QString>("problem");
        QTest::newRow("both empty") << ""
                                    << ""
                                    << "どちらか一方には、文字列を入力して下さい。";
        QTest::newRow("numeric start") << "1"
                                       << "話]"
                                       << "数値は入力できません。";
        QTest::newRow("numeric end") << ""
                                     << "2"
                                     << "数値は入力できません。";
        QTest::newRow("colon") << "[第"
                               << ":" << kForbidden;
        QTest::newRow("semicolon") << ";"
                                   << "" << kForbidden;
    }
    void refusedRunsShowTheirBoxAndRenameNothing() {
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(QString, problem);
        DeleteWindow w({"[第9話]a.txt"});
        Retype(w.Box("Text7"), start);
        Retype(w.Box("Text8"), end);
        Click(w.RunButton());
        QCOMPARE(w.harness.boxes.Texts(), QStringList{problem});
        QCOMPARE(w.harness.folder.Names(), QStringList{"[第9話]a.txt"});
    }

    void enterInATextBoxRunsNothing() {
        DeleteWindow w({"[第9話]a.txt"});
        for (const char* name : {"Text7", "Text8"}) {
            w.Box(name)->setFocus();
            QTest::keyClick(w.Box(name), Qt::Key_Return);
        }
        QCOMPARE(w.harness.boxes.Texts(), QStringList());
        QCOMPARE(w.harness.folder.Names(), QStringList{"[第9話]a.txt"});
    }
};

QTEST_MAIN(DeletePanelTest)
#include "tst_deletepanel.moc"
