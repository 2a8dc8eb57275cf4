#include <QButtonGroup>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>

#include "files/FileRow.h"
#include "files/widgets/FileTableItemModel.h"
#include "files/widgets/FileTableView.h"
#include "rename/widgets/SerialPanel.h"
#include "support/WindowHarness.h"
#include "ui/PanelInput.h"

using namespace miravel;
using namespace miravel::test;

namespace {

const QString kConfirm =
    QStringLiteral("付加を開始します。本当にいいですか？\r\n\r\nゼロ埋めの桁数はあってますか？");
const QString kEnterNumber = QStringLiteral("数字を入力して下さい。");
const QString kZeroOrMore = QStringLiteral("0以上の数字を入力して下さい。");
const QString kForbidden =
    QStringLiteral("ファイル名には次の文字は使えません。\r\n\\　/　,　;　:　*　?　\"　<　>　|");
const QColor kRefused(255, 128, 128);

// A window on the serial panel, ready for focus changes.
struct SerialWindow {
    explicit SerialWindow(const QStringList& files = {}) {
        for (const QString& name : files)
            harness.folder.MakeFile(name);
        harness.StartWithFormTexts();
        harness.Open();
        harness.window().activateWindow();
        if (!QTest::qWaitForWindowActive(&harness.window()))
            qWarning("window not active");
        auto* tabs = harness.Find<QTabBar>("TabStrip1");
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(2).center());
    }
    template <typename T>
    T* Find(const char* name) {
        return harness.Find<T>(QString::fromLatin1(name));
    }
    QLineEdit* Box(const char* name) { return Find<QLineEdit>(name); }
    QLabel* Preview() { return Find<QLabel>("lblPre"); }
    void SelectRows(std::initializer_list<int> rows) {
        FileTableView* view = harness.window().TableView();
        view->clearSelection();
        for (int row : rows) {
            const QModelIndex index = view->model()->index(row, kNameColumn);
            QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::ControlModifier,
                              view->visualRect(index).center());
        }
    }
    WindowHarness harness;
};

}  // namespace

class SerialPanelTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void startsWithTheDesignExample() {
        SerialWindow w;
        const QString expected =
            QStringLiteral("[第1話]資料A.txt, [第2話]資料B.txt, [第3話]資料C.txt, …");
        QCOMPARE(w.Preview()->text(), expected);
        QCOMPARE(w.Preview()->toolTip(), expected);
        QCOMPARE(w.Find<QLabel>("Label37")->text(),
                 QStringLiteral("資料A.txt, 資料B.txt, 資料C.txt, …"));
        QVERIFY(w.Find<QRadioButton>("Option2_0")->isChecked());
        QVERIFY(!w.Box("txtST2")->isEnabled());
        QCOMPARE(w.Find<QComboBox>("cmbZero")->currentText(), QStringLiteral("1"));
    }

    // Fields are entered in this order: placement click, digit count, Text4, Text6, txtST2,
    // Text5; a null text leaves the field as designed.
    void exampleFollowsTheFields_data() {
        QTest::addColumn<int>("option");
        QTest::addColumn<QString>("digits");
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QString>("position");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("expected");
        const QString keep;
        QTest::newRow("tail") << 1 << keep << keep << keep << keep << keep
                              << "資料A[第1話].txt, 資料B[第2話].txt, 資料C[第3話].txt, …";
        QTest::newRow("position 2") << 2 << keep << keep << keep << "2" << keep
                                    << "資料[第1話]A.txt, 資料[第2話]B.txt, 資料[第3話]C.txt, …";
        QTest::newRow("position past the base")
            << 2 << keep << keep << keep << "99" << keep
            << "資料A[第1話].txt, 資料B[第2話].txt, 資料C[第3話].txt, …";
        QTest::newRow("three digits from 8")
            << 0 << "3" << keep << keep << keep << "8"
            << "[第008話]資料A.txt, [第009話]資料B.txt, [第010話]資料C.txt, …";
        QTest::newRow("two digits past 99") << 1 << "2"
                                            << ""
                                            << "" << keep << "99"
                                            << "資料A99.txt, 資料B100.txt, 資料C101.txt, …";
        QTest::newRow("typed frame")
            << 0 << keep << "No."
            << "_" << keep << keep << "No.1_資料A.txt, No.2_資料B.txt, No.3_資料C.txt, …";
        QTest::newRow("half rounds to even")
            << 0 << keep << keep << keep << keep << "2.5"
            << "[第2話]資料A.txt, [第3話]資料B.txt, [第4話]資料C.txt, …";
        QTest::newRow("start not a number keeps the example")
            << 0 << "2" << keep << keep << keep << "x"
            << "[第01話]資料A.txt, [第02話]資料B.txt, [第03話]資料C.txt, …";
        QTest::newRow("negative position keeps the example")
            << 2 << keep << keep << keep << "-1" << keep
            << "[第1話]資料A.txt, [第2話]資料B.txt, [第3話]資料C.txt, …";
    }
    void exampleFollowsTheFields() {
        QFETCH(int, option);
        QFETCH(QString, digits);
        QFETCH(QString, prefix);
        QFETCH(QString, suffix);
        QFETCH(QString, position);
        QFETCH(QString, start);
        QFETCH(QString, expected);
        SerialWindow w;
        auto* optionButton = w.harness.Find<QRadioButton>(QStringLiteral("Option2_%1").arg(option));
        Click(optionButton);
        QVERIFY(optionButton->isChecked());
        QCOMPARE(w.Box("txtST2")->isEnabled(), option == 2);
        if (!digits.isNull()) {
            auto* cmbZero = w.Find<QComboBox>("cmbZero");
            cmbZero->setFocus();
            QTest::keyClicks(cmbZero, digits);
            QCOMPARE(cmbZero->currentText(), digits);
        }
        const std::pair<const char*, QString> fields[] = {
            {"Text4", prefix}, {"Text6", suffix}, {"txtST2", position}, {"Text5", start}};
        for (const auto& [name, text] : fields)
            if (!text.isNull())
                Retype(w.Box(name), text);
        QCOMPARE(w.Preview()->text(), expected);
        QCOMPARE(w.Preview()->toolTip(), expected);
    }

    void exampleFollowsProgramChanges() {
        SerialWindow w;
        w.harness.Find<SerialPanel>("Frame5")->SetDigitsFromCount(250);
        QCOMPARE(w.Preview()->text(),
                 QStringLiteral("[第001話]資料A.txt, [第002話]資料B.txt, [第003話]資料C.txt, …"));
        w.Box("Text4")->setText(QStringLiteral("#"));
        w.Box("Text6")->setText(QString());
        QCOMPARE(w.Preview()->text(),
                 QStringLiteral("#001資料A.txt, #002資料B.txt, #003資料C.txt, …"));
        QCOMPARE(w.Preview()->toolTip(), w.Preview()->text());
    }

    void leavingANumberFieldChecksIt_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("problem");
        QTest::newRow("start letters") << "Text5"
                                       << "x" << kEnterNumber;
        QTest::newRow("start empty") << "Text5"
                                     << "" << kEnterNumber;
        QTest::newRow("start negative") << "Text5"
                                        << "-1" << kZeroOrMore;
        QTest::newRow("start small negative rounds to 0") << "Text5"
                                                          << "-0.5" << QString();
        QTest::newRow("start full-width") << "Text5"
                                          << "１２" << QString();
        QTest::newRow("position letters") << "txtST2"
                                          << "x" << kEnterNumber;
        QTest::newRow("position negative") << "txtST2"
                                           << "-1" << kZeroOrMore;
        QTest::newRow("position 3") << "txtST2"
                                    << "3" << QString();
    }
    void leavingANumberFieldChecksIt() {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QString, problem);
        SerialWindow w;
        Click(w.Find<QRadioButton>("Option2_2"));
        auto* box = w.harness.Find<QLineEdit>(field);
        const QColor normal = box->palette().color(QPalette::Base);
        Retype(box, text);
        QTest::keyClick(box, Qt::Key_Tab);
        if (problem.isEmpty()) {
            QVERIFY(!box->hasFocus());
            QCOMPARE(w.harness.boxes.Texts(), QStringList());
            QCOMPARE(box->palette().color(QPalette::Base), normal);
            return;
        }
        QTRY_COMPARE(w.harness.boxes.ErrorTexts(), QStringList{problem});
        QTRY_VERIFY(box->hasFocus());
        QCOMPARE(box->palette().color(QPalette::Base), kRefused);
        // Mended, the field lets the focus go and loses its colour.
        Retype(box, QStringLiteral("7"));
        QTest::keyClick(box, Qt::Key_Tab);
        QVERIFY(!box->hasFocus());
        QCOMPARE(box->palette().color(QPalette::Base), normal);
        QCOMPARE(w.harness.boxes.ErrorTexts(), QStringList{problem});
    }

    void twoRefusedFieldsDoNotPassTheFocusToAndFro() {
        SerialWindow w;
        Click(w.Find<QRadioButton>("Option2_2"));
        Retype(w.Box("txtST2"), QStringLiteral("x"));
        Retype(w.Box("Text5"), QStringLiteral("y"));
        QTRY_VERIFY(w.Box("txtST2")->hasFocus());
        QCoreApplication::processEvents();
        QCOMPARE(w.harness.boxes.ErrorTexts(), QStringList{kEnterNumber});
    }

    void runButtonDoesNotRunWhileTheStartIsRefused() {
        SerialWindow w({"a.txt"});
        Retype(w.Box("Text5"), QStringLiteral("x"));
        Click(w.Find<QPushButton>("Command3"));
        QTRY_COMPARE(w.harness.boxes.ErrorTexts(), QStringList{kEnterNumber});
        QVERIFY(w.Box("Text5")->hasFocus());
        QCOMPARE(w.harness.folder.Names(), QStringList{"a.txt"});
    }

    void enterInATextBoxRunsNothing() {
        SerialWindow w({"a.txt"});
        for (const char* name : {"Text4", "Text5", "Text6"}) {
            w.Box(name)->setFocus();
            QTest::keyClick(w.Box(name), Qt::Key_Return);
        }
        QCOMPARE(w.harness.boxes.Texts(), QStringList());
        QCOMPARE(w.harness.folder.Names(), QStringList{"a.txt"});
    }

    void numbersOnlySelectedRowsFromTheStart() {
        SerialWindow w({"a.txt", "b.txt", "c.txt"});
        w.SelectRows({0, 2});
        QCOMPARE(w.harness.SelectedNames(), (QStringList{"a.txt", "c.txt"}));
        Retype(w.Box("Text5"), QStringLiteral("5"));
        w.harness.boxes.QueueAnswer(true);
        Click(w.Find<QPushButton>("Command3"));
        QCOMPARE(w.harness.boxes.Texts(), QStringList{kConfirm});
        QCOMPARE(w.harness.folder.Names(), (QStringList{"[第5話]a.txt", "[第6話]c.txt", "b.txt"}));
        QCOMPARE(w.harness.TableNames().size(), 3);
        QCOMPARE(w.harness.SelectedNames().size(), 3);
    }

    void numbersFollowTheTableOrder() {
        SerialWindow w({"a.txt", "b.txt", "c.txt"});
        w.harness.window().TableModel()->sort(kNameColumn, Qt::DescendingOrder);
        QCOMPARE(w.harness.SelectedNames(), (QStringList{"c.txt", "b.txt", "a.txt"}));
        Click(w.Find<QRadioButton>("Option2_1"));
        w.harness.boxes.QueueAnswer(true);
        Click(w.Find<QPushButton>("Command3"));
        QCOMPARE(w.harness.folder.Names(),
                 (QStringList{"a[第3話].txt", "b[第2話].txt", "c[第1話].txt"}));
    }

    void cancelRenamesNothing() {
        SerialWindow w({"a.txt"});
        w.harness.boxes.QueueAnswer(false);
        Click(w.Find<QPushButton>("Command3"));
        QCOMPARE(w.harness.boxes.Texts(), QStringList{kConfirm});
        QCOMPARE(w.harness.folder.Names(), QStringList{"a.txt"});
    }

    // Set without leaving the fields, so only the run's own checks speak.
    void refusedRunsShowTheirBoxAndRenameNothing_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("problem");
        QTest::newRow("start empty") << "Text5"
                                     << "" << kEnterNumber;
        QTest::newRow("start letters") << "Text5"
                                       << "1a" << kEnterNumber;
        QTest::newRow("slash before") << "Text4"
                                      << "a/b" << kForbidden;
        QTest::newRow("comma after") << "Text6"
                                     << "," << kForbidden;
        QTest::newRow("position letters under head") << "txtST2"
                                                     << "x" << kEnterNumber;
    }
    void refusedRunsShowTheirBoxAndRenameNothing() {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QString, problem);
        SerialWindow w({"a.txt", "b.txt"});
        w.harness.Find<QLineEdit>(field)->setText(text);
        w.Find<QPushButton>("Command3")->click();
        QCOMPARE(w.harness.boxes.Texts(), QStringList{problem});
        QCOMPARE(w.harness.folder.Names(), (QStringList{"a.txt", "b.txt"}));
    }
};

QTEST_MAIN(SerialPanelTest)
#include "tst_serialpanel.moc"
