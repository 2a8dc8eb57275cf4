#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "files/widgets/DateBox.h"
#include "files/widgets/FileTableItemModel.h"
#include "files/widgets/FileTableView.h"
#include "support/WindowHarness.h"

using namespace miravel;
using namespace miravel::test;

namespace {

const QColor kRefused(255, 128, 128);

// Counts the focus events a control receives.
class FocusEventCounter : public QObject {
  public:
    explicit FocusEventCounter(QWidget* widget) { widget->installEventFilter(this); }
    int count = 0;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)
            ++count;
        return QObject::eventFilter(watched, event);
    }
};

// A window ready for focus changes, counting the fills of its table.
struct ConditionsWindow {
    explicit ConditionsWindow(const QStringList& files = {QStringLiteral("a.txt")}) {
        for (const QString& name : files)
            harness.folder.MakeFile(name);
        harness.Open();
        harness.window().activateWindow();
        if (!QTest::qWaitForWindowActive(&harness.window()))
            qWarning("window not active");
        QObject::connect(harness.window().TableModel(), &QAbstractItemModel::modelReset,
                         [this] { ++fills; });
    }
    DateBox* Box(const QString& name) { return harness.Find<DateBox>(name); }
    QPushButton* Button(const QString& name) { return harness.Find<QPushButton>(name); }
    template <typename T>
    T* Find(const QString& name) {
        return harness.Find<T>(name);
    }
    WindowHarness harness;
    int fills = 0;
};

void Click(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

// Enters the box with the mouse and replaces its text by typing.
void EnterAndType(DateBox* box, const QString& typed) {
    Click(box);
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, typed);
}

QColor Background(const QWidget* widget) {
    return widget->palette().color(QPalette::Base);
}

QColor NormalBackground(const QWidget* widget) {
    return QApplication::palette(widget).color(QPalette::Base);
}

}  // namespace

class ConditionsWindowTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    // Entering shows eight digits; leaving with Tab after typing checks them. The window's
    // date is fixed at 2026/12/07.
    void leavingChecksTheEntry_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<bool>("type");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("text");  // afterwards
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<bool>("refilled");
        QTest::newRow("only visited") << "txtMkDate1" << false << ""
                                      << "1901/01/01" << true << false;
        QTest::newRow("retyped unchanged") << "txtReNew2" << true << "99991231"
                                           << "9999/12/31" << true << false;
        QTest::newRow("eight digits") << "txtMkDate1" << true << "20240315"
                                      << "2024/03/15" << true << true;
        QTest::newRow("six digits take this century") << "txtMkDate2" << true << "991231"
                                                      << "2099/12/31" << true << true;
        QTest::newRow("blanks around six digits") << "txtReNew1" << true << " 240315 "
                                                  << "2024/03/15" << true << true;
        QTest::newRow("ten digits cannot be typed") << "txtReNew2" << true << "2024031599"
                                                    << "2024/03/15" << true << true;
        QTest::newRow("leap day") << "txtReNew1" << true << "20240229"
                                  << "2024/02/29" << true << true;
        QTest::newRow("seven digits") << "txtMkDate1" << true << "2024315"
                                      << "2024315" << false << false;
        QTest::newRow("empty") << "txtMkDate2" << true << ""
                               << "" << false << false;
        QTest::newRow("no such day") << "txtReNew1" << true << "20240230"
                                     << "20240230" << false << false;
        QTest::newRow("no such month") << "txtReNew2" << true << "20231301"
                                       << "20231301" << false << false;
        QTest::newRow("no leap day") << "txtMkDate1" << true << "20230229"
                                     << "20230229" << false << false;
        QTest::newRow("letters") << "txtMkDate1" << true << "2024a315"
                                 << "2024a315" << false << false;
    }
    void leavingChecksTheEntry() {
        QFETCH(QString, box);
        QFETCH(bool, type);
        QFETCH(QString, typed);
        QFETCH(QString, text);
        QFETCH(bool, accepted);
        QFETCH(bool, refilled);
        ConditionsWindow w;
        DateBox* date = w.Box(box);
        QCOMPARE(date->maxLength(), 10);
        const QString editText = date->text().remove(QLatin1Char('/'));
        Click(date);
        QCOMPARE(date->text(), editText);
        QCOMPARE(date->maxLength(), 8);
        QVERIFY(!date->testAttribute(Qt::WA_InputMethodEnabled));
        if (type) {
            QTest::keyClick(date, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(date, Qt::Key_Delete);
            QTest::keyClicks(date, typed);
        }
        w.fills = 0;
        QTest::keyClick(date, Qt::Key_Tab);
        QCOMPARE(date->text(), text);
        QCOMPARE(date->hasFocus(), !accepted);
        QCOMPARE(date->maxLength(), accepted ? 10 : 8);
        QCOMPARE(Background(date), accepted ? NormalBackground(date) : kRefused);
        QCOMPARE(w.fills, refilled ? 1 : 0);
    }

    // However the focus is asked to go, a refused box keeps it, and the control that was to
    // get it neither gets it nor acts.
    void refusedBoxKeepsTheFocus_data() {
        QTest::addColumn<QString>("way");
        QTest::newRow("Tab") << "tab";
        QTest::newRow("Shift+Tab") << "backtab";
        QTest::newRow("click into another box") << "click pattern";
        QTest::newRow("click on a clear button") << "click clear";
        QTest::newRow("click on the table") << "click table";
        QTest::newRow("program moves the focus") << "program";
    }
    void refusedBoxKeepsTheFocus() {
        QFETCH(QString, way);
        ConditionsWindow w({"a.txt", "b.txt"});
        DateBox* date = w.Box("txtMkDate2");
        auto* pattern = w.Find<QLineEdit>("txtPattern");
        QPushButton* clear = w.Button("cmdClear");
        FileTableView* table = w.harness.window().TableView();
        EnterAndType(date, "2024");
        QTest::keyClick(date, Qt::Key_Tab);  // refused
        QVERIFY(date->hasFocus());

        FocusEventCounter patternEvents(pattern);
        FocusEventCounter clearEvents(clear);
        FocusEventCounter tableEvents(table);
        FocusEventCounter otherDateEvents(w.Box("txtMkDate1"));
        table->clearSelection();
        w.fills = 0;
        if (way == "tab")
            QTest::keyClick(date, Qt::Key_Tab);
        else if (way == "backtab")
            QTest::keyClick(date, Qt::Key_Backtab, Qt::ShiftModifier);
        else if (way == "click pattern")
            Click(pattern);
        else if (way == "click clear")
            Click(clear);
        else if (way == "click table")
            Click(table->viewport());
        else
            pattern->setFocus(Qt::OtherFocusReason);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(date));
        QCOMPARE(date->text(), QString("2024"));
        QCOMPARE(Background(date), kRefused);
        QCOMPARE(date->maxLength(), 8);
        QCOMPARE(w.fills, 0);
        QCOMPARE(w.Box("txtMkDate1")->text(), QString("1901/01/01"));
        QCOMPARE(
            patternEvents.count + clearEvents.count + tableEvents.count + otherDateEvents.count, 0);
        QVERIFY(w.harness.SelectedNames().isEmpty());

        // A real date lets the focus go again.
        QTest::keyClick(date, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(date, "20240315");
        QTest::keyClick(date, Qt::Key_Tab);
        QVERIFY(!date->hasFocus());
        QCOMPARE(date->text(), QString("2024/03/15"));
        QCOMPARE(Background(date), NormalBackground(date));
        QCOMPARE(w.fills, 1);
        QVERIFY(w.harness.boxes.Texts().isEmpty());
    }

    void dateRangesNarrowTheTable_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("clear");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("modified from") << "txtReNew1"
                                       << "20240101"
                                       << "Command6" << QStringList{"new.txt"};
        QTest::newRow("modified to, both ends included") << "txtReNew2"
                                                         << "20200601"
                                                         << "Command6" << QStringList{"old.txt"};
        QTest::newRow("modified to, the day before") << "txtReNew2"
                                                     << "20200531"
                                                     << "Command6" << QStringList{};
        QTest::newRow("created to") << "txtMkDate2"
                                    << "19991231"
                                    << "cmdClear" << QStringList{};
    }
    void dateRangesNarrowTheTable() {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, clear);
        QFETCH(QStringList, names);
        ConditionsWindow w({"old.txt", "new.txt"});
        w.harness.folder.SetModified("old.txt", QDateTime(QDate(2020, 6, 1), QTime(23, 59, 59)));
        w.harness.folder.SetModified("new.txt", QDateTime(QDate(2026, 11, 1), QTime(0, 0)));
        EnterAndType(w.Box(box), typed);
        QTest::keyClick(w.Box(box), Qt::Key_Tab);
        QCOMPARE(w.harness.TableNames(), names);
        QCOMPARE(w.harness.SelectedNames(), names);
        Click(w.Button(clear));
        QCOMPARE(w.harness.TableNames(), (QStringList{"new.txt", "old.txt"}));
    }

    void clearButtonsResetTheirRangeAndAlwaysRefill_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("untouched");
        QTest::newRow("created") << "cmdClear"
                                 << "txtMkDate1"
                                 << "txtMkDate2"
                                 << "txtReNew1";
        QTest::newRow("modified") << "Command6"
                                  << "txtReNew1"
                                  << "txtReNew2"
                                  << "txtMkDate1";
    }
    void clearButtonsResetTheirRangeAndAlwaysRefill() {
        QFETCH(QString, button);
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QString, untouched);
        ConditionsWindow w;
        w.fills = 0;
        Click(w.Button(button));
        QCOMPARE(w.fills, 1);  // already at the defaults

        for (const QString& name : {from, to, untouched}) {
            EnterAndType(w.Box(name), "20240315");
            QTest::keyClick(w.Box(name), Qt::Key_Tab);
        }
        // Typed but not yet left: the click leaves the box first, then resets.
        EnterAndType(w.Box(from), "20250101");
        w.fills = 0;
        Click(w.Button(button));
        QCOMPARE(w.fills, 2);
        QCOMPARE(w.Box(from)->text(), QString("1901/01/01"));
        QCOMPARE(w.Box(to)->text(), QString("9999/12/31"));
        QCOMPARE(w.Box(untouched)->text(), QString("2024/03/15"));
        QCOMPARE(w.Box(from)->maxLength(), 10);
    }

    // The buttons cannot be clicked while a box holds a refused entry; should one be pressed
    // anyway, the box keeps its colour and limit and shows the reset date for editing.
    void clearWhileABoxIsRefused() {
        ConditionsWindow w;
        DateBox* date = w.Box("txtReNew1");
        EnterAndType(date, "123");
        QTest::keyClick(date, Qt::Key_Tab);
        w.fills = 0;
        w.Button("Command6")->click();
        QCOMPARE(w.fills, 1);
        QCOMPARE(date->text(), QString("19010101"));
        QCOMPARE(Background(date), kRefused);
        QCOMPARE(date->maxLength(), 8);
        QVERIFY(date->hasFocus());
        QTest::keyClick(date, Qt::Key_Tab);
        QCOMPARE(date->text(), QString("1901/01/01"));
        QCOMPARE(Background(date), NormalBackground(date));
        QCOMPARE(w.fills, 1);
    }

    // The click that leaves a changed box for the table refills the table and still leaves
    // the table with the focus and the clicked row selected.
    void clickOnTheTableAfterADate() {
        ConditionsWindow w({"a.txt", "b.txt"});
        FileTableView* table = w.harness.window().TableView();
        EnterAndType(w.Box("txtMkDate2"), "20991231");
        w.fills = 0;
        const QModelIndex second = table->model()->index(1, 0);
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {},
                          table->visualRect(second).center());
        QCOMPARE(w.fills, 1);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(table));
        QCOMPARE(w.harness.SelectedNames(), QStringList{"b.txt"});
    }

    void typeListRewritesThePattern() {
        ConditionsWindow w({"a.jpg", "B.JPG", "c.txt", "jpg", "d.jpg.txt"});
        auto* types = w.Find<QComboBox>("Combo2");
        auto* pattern = w.Find<QLineEdit>("txtPattern");
        QCOMPARE(types->count(), 42);
        QCOMPARE(types->currentText(), QString("*"));
        QCOMPARE(pattern->text(), QString("*.*"));
        QCOMPARE(w.harness.TableNames().size(), 5);

        types->setFocus(Qt::TabFocusReason);
        QVERIFY(types->hasFocus());
        w.fills = 0;
        QTest::keyClick(types, Qt::Key_J);
        QCOMPARE(types->currentText(), QString("jpg"));
        QCOMPARE(w.fills, 1);
        QCOMPARE(pattern->text(), QString("*.jpg"));
        QCOMPARE(w.harness.TableNames(), (QStringList{"a.jpg", "B.JPG"}));
        QTest::keyClick(types, Qt::Key_Home);
        QCOMPARE(pattern->text(), QString("*.*"));
        QCOMPARE(w.harness.TableNames().size(), 5);

        // Picking the shown entry again applies it to a pattern typed since.
        pattern->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(pattern, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(pattern, "d");
        types->setFocus(Qt::TabFocusReason);
        types->showPopup();
        QTRY_VERIFY(types->view()->isVisible());
        QTest::keyClick(types->view(), Qt::Key_Return);
        QCOMPARE(pattern->text(), QString("d.*"));
        QCOMPARE(w.harness.TableNames(), QStringList{"d.jpg.txt"});
    }
};

QTEST_MAIN(ConditionsWindowTest)
#include "tst_conditionswindow.moc"
