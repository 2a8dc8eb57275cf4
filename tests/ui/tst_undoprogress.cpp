#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include "PanelInput.h"
#include "TableViewDriving.h"
#include "app/widgets/StatusProgress.h"
#include "rename/RenameTexts.h"
#include "support/WindowHarness.h"

using namespace miravel;
using namespace miravel::test;

namespace {

QStringList Sorted(QStringList names) {
    names.sort();
    return names;
}

// Runs the replace panel on every row, answering its confirmation with OK.
void RunReplace(WindowHarness& harness, const QString& find, const QString& with) {
    TypeInto(harness.Find<QLineEdit>("Text1"), find);
    TypeInto(harness.Find<QLineEdit>("Text2"), with);
    harness.boxes.QueueAnswer(true);
    Click(harness.Find<QPushButton>("Command1"));
}

bool UndoEnabled(WindowHarness& harness) {
    const bool button = harness.Find<QPushButton>("cmdUndo")->isEnabled();
    const bool action = harness.Find<QAction>("undoAction")->isEnabled();
    return button && action;
}

// What the window looked like each time the progress bar came up.
struct Sightings {
    QList<qint64> totals;
    bool barVisible = true;
    bool busyPointer = true;

    void Watch(WindowHarness& harness) {
        StatusProgress* progress = harness.window().Progress();
        QObject::connect(
            progress, &StatusProgress::Appeared, progress,
            [this, &harness, progress](qint64 total) {
                totals << total;
                // Shown, and placed by the status bar without an event loop.
                QProgressBar* bar = progress->Bar();
                const QRect inBar(bar->mapTo(bar->window(), QPoint()), bar->size());
                const QWidget* status = harness.Find<QWidget>("StatusBar1");
                const QRect statusRect(status->mapTo(status->window(), QPoint()), status->size());
                barVisible = barVisible && bar->isVisible() && bar->width() > 20 &&
                             statusRect.contains(inBar);
                busyPointer = busyPointer && harness.window().cursor().shape() == Qt::WaitCursor;
            });
    }
};

}  // namespace

class UndoProgressTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void undoTakesBackTheLastRun_data() {
        QTest::addColumn<bool>("byShortcut");
        QTest::newRow("button") << false;
        QTest::newRow("Ctrl+Z on the table") << true;
    }
    void undoTakesBackTheLastRun() {
        QFETCH(bool, byShortcut);
        WindowHarness harness;
        const QStringList files = {"draft1.txt", "draft2.txt", "draft3.txt", "memo.txt"};
        for (const QString& name : files)
            harness.folder.MakeFile(name);
        harness.Open();
        QVERIFY(ActivateWindow(harness));
        QCOMPARE(harness.Find<QPushButton>("cmdUndo")->text(), QString("元に戻す"));
        QVERIFY(!UndoEnabled(harness));

        RunReplace(harness, "draft", "final");
        QCOMPARE(harness.folder.Names(),
                 QStringList({"final1.txt", "final2.txt", "final3.txt", "memo.txt"}));
        QVERIFY(harness.boxes.shown().first().details.startsWith(
            "3件の名前を変更します（失敗の見込み 0件）\ndraft1.txt → final1.txt\n"));
        QVERIFY(UndoEnabled(harness));

        if (byShortcut) {
            harness.window().TableView()->setFocus(Qt::MouseFocusReason);
            QTest::keyClick(harness.window().TableView(), Qt::Key_Z, Qt::ControlModifier);
        } else {
            Click(harness.Find<QPushButton>("cmdUndo"));
        }

        QCOMPARE(harness.folder.Names(), files);
        QCOMPARE(Sorted(harness.TableNames()), files);
        QCOMPARE(harness.SelectedNames().size(), files.size());
        QVERIFY(!UndoEnabled(harness));
        QCOMPARE(harness.boxes.ErrorTexts(), QStringList());
    }

    void ctrlZInATextBoxUndoesTheTyping() {
        WindowHarness harness;
        harness.folder.MakeFile("draft1.txt");
        harness.Open();
        QVERIFY(ActivateWindow(harness));
        RunReplace(harness, "draft", "final");
        auto* Text1 = harness.Find<QLineEdit>("Text1");
        Text1->setText("draft");  // starts the box's own undo afresh
        Click(Text1);
        QTest::keyClick(Text1, Qt::Key_End);
        QTest::keyClicks(Text1, "xyz");
        QCOMPARE(Text1->text(), QString("draftxyz"));

        QTest::keyClick(Text1, Qt::Key_Z, Qt::ControlModifier);

        QCOMPARE(Text1->text(), QString("draft"));
        QCOMPARE(harness.folder.Names(), QStringList{"final1.txt"});
        QVERIFY(UndoEnabled(harness));
    }

    void undoAfterAnInPlaceRename() {
        WindowHarness harness;
        harness.folder.MakeFile("memo.txt");
        harness.folder.MakeFile("other.txt");
        harness.Open();
        QVERIFY(ActivateWindow(harness));
        FileTableView& view = *harness.window().TableView();
        const int row = int(harness.TableNames().indexOf("memo.txt"));
        ClickCell(view, row, kSizeColumn);
        view.setFocus();
        QTest::keyClick(&view, Qt::Key_F2);
        auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QVERIFY(editor && view.isAncestorOf(editor));
        editor->selectAll();
        QTest::keyClicks(editor, "note.txt");
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(harness.folder.Names(), QStringList({"note.txt", "other.txt"}));
        QVERIFY(UndoEnabled(harness));

        Click(harness.Find<QPushButton>("cmdUndo"));

        QCOMPARE(harness.folder.Names(), QStringList({"memo.txt", "other.txt"}));
        QCOMPARE(Sorted(harness.TableNames()), QStringList({"memo.txt", "other.txt"}));
        QVERIFY(!UndoEnabled(harness));
    }

    void undoReportsAFileRemovedSince() {
        WindowHarness harness;
        for (const char* name : {"draft1.txt", "draft2.txt"})
            harness.folder.MakeFile(name);
        harness.Open();
        RunReplace(harness, "draft", "final");
        QVERIFY(QFile::remove(harness.folder.FilePath("final1.txt")));
        harness.boxes.Clear();

        Click(harness.Find<QPushButton>("cmdUndo"));

        QCOMPARE(harness.folder.Names(), QStringList{"draft2.txt"});
        QCOMPARE(harness.boxes.shown().size(), 1);
        QCOMPARE(harness.boxes.shown().first().title, harness.window().Caption());
        QCOMPARE(harness.TableNames(), QStringList{"draft2.txt"});
    }

    void progressBarOnlyForALongFill_data() {
        QTest::addColumn<int>("files");
        QTest::addColumn<bool>("appears");
        QTest::newRow("many files") << 600 << true;
        QTest::newRow("a few files") << 3 << false;
    }
    void progressBarOnlyForALongFill() {
        QFETCH(int, files);
        QFETCH(bool, appears);
        WindowHarness harness;
        for (int i = 0; i < files; ++i)
            harness.folder.MakeFile(QString("file%1.txt").arg(i));
        harness.Open();
        // Any fill counts as long: what is left to tell is whether it is looked at at all.
        harness.window().Progress()->SetDelayMs(0);
        Sightings seen;
        seen.Watch(harness);

        harness.window().Session().Refill();

        QCOMPARE(seen.totals, appears ? QList<qint64>{files} : QList<qint64>{});
        QVERIFY(seen.barVisible);
        QVERIFY(seen.busyPointer);
        QVERIFY(!harness.window().Progress()->Bar()->isVisible());
        QVERIFY(harness.window().cursor().shape() != Qt::WaitCursor);
        QCOMPARE(harness.TableNames().size(), files);
    }

    void progressBarForALongBatchRun() {
        WindowHarness harness;
        for (const char* name : {"draft1.txt", "draft2.txt", "draft3.txt"})
            harness.folder.MakeFile(name);
        harness.Open();
        harness.window().Progress()->SetDelayMs(0);
        Sightings seen;
        seen.Watch(harness);

        RunReplace(harness, "draft", "final");

        // The run's rows; the refill after it is too short to be looked at.
        QCOMPARE(seen.totals, QList<qint64>{3});
        QVERIFY(seen.barVisible);
        QVERIFY(seen.busyPointer);
        QVERIFY(!harness.window().Progress()->Bar()->isVisible());
        QVERIFY(harness.window().cursor().shape() != Qt::WaitCursor);
        QCOMPARE(harness.folder.Names(), QStringList({"final1.txt", "final2.txt", "final3.txt"}));
    }
};

QTEST_MAIN(UndoProgressTest)
#include "tst_undoprogress.moc"
