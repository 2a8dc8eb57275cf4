#include <QApplication>
#include <QComboBox>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QHelpEvent>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTest>
#include <QToolTip>

#include "TableViewDriving.h"
#include "files/FileTexts.h"
#include "files/widgets/FileTableItemModel.h"
#include "files/widgets/PreviewDelegate.h"
#include "platform/widgets/WarningColours.h"
#include "support/WindowHarness.h"

using namespace miravel;
using namespace miravel::test;

namespace {

QStringList Images(const FileTableModel& model) {
    QStringList images;
    for (int column = 0; column < kFileColumnCount; ++column)
        images << model.HeaderImage(column);
    return images;
}

QStringList NumberTexts(const FileTableModel& model) {
    QStringList numbers;
    for (const FileRow& row : model.Rows())
        numbers << row.NumberText();
    return numbers;
}

QStringList Panels(const MainWindow& window) {
    return {window.StatusText(1), window.StatusText(2), window.StatusText(3)};
}

// Sends the drag events a drag over the table would bring, from inside our own drag.
void DragOver(FileTableView& view, const QMimeData& payload, const QPoint& at) {
    QDragEnterEvent enter(at, Qt::MoveAction | Qt::CopyAction, &payload, Qt::LeftButton, {});
    QApplication::sendEvent(view.viewport(), &enter);
    QDragMoveEvent move(at, Qt::MoveAction | Qt::CopyAction, &payload, Qt::LeftButton, {});
    QApplication::sendEvent(view.viewport(), &move);
}

void DropAt(FileTableView& view, const QMimeData& payload, const QPoint& at) {
    QDropEvent drop(at, Qt::MoveAction | Qt::CopyAction, &payload, Qt::LeftButton, {});
    QApplication::sendEvent(view.viewport(), &drop);
}

// Presses on a row and moves far enough to start a drag of the selected rows. The drag loop
// takes the button's release, so the view never sees it.
void DragFrom(FileTableView& view, int row) {
    const QPoint start = CellPoint(view, row, kSizeColumn);
    QTest::mousePress(view.viewport(), Qt::LeftButton, {}, start);
    QTest::mouseMove(view.viewport(), start + QPoint(2, 0));
    QTest::mouseMove(view.viewport(), start + QPoint(QApplication::startDragDistance() + 8, 0));
}

}  // namespace

class FileTableViewTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    // A failing new name reads on light and dark bases alike (WCAG: 4.5:1 for text).
    void failingNamesReadOnLightAndDarkBases_data() {
        QTest::addColumn<QColor>("base");
        QTest::newRow("white") << QColor(Qt::white);
        QTest::newRow("light grey") << QColor(0xEF, 0xEF, 0xEF);
        QTest::newRow("dark grey") << QColor(0x2A, 0x2A, 0x2A);
        QTest::newRow("black") << QColor(Qt::black);
        QTest::newRow("dark blue") << QColor(0x1E, 0x23, 0x3A);
    }
    void failingNamesReadOnLightAndDarkBases() {
        QFETCH(QColor, base);
        QPalette palette;
        palette.setColor(QPalette::Base, base);
        const double contrast = ContrastRatio(PreviewFailureColour(palette), base);
        QVERIFY2(contrast >= 4.5, qPrintable(QString::number(contrast)));
        const QColor red = PreviewFailureColour(palette);
        QVERIFY(red.hslHue() < 15 || red.hslHue() > 345);
        QVERIFY(red.hslSaturation() > 200);
    }

    void headerClicksSortAndShowTheirImages() {
        WindowHarness harness;
        harness.folder.MakeFile("a.txt", 1025);
        harness.folder.MakeFile("B.txt", 10);
        harness.folder.MakeFile("c10.txt", 3000);
        harness.folder.MakeFile("c9.txt", 2000000);
        MainWindow& window = harness.Open();
        FileTableView& view = *window.TableView();
        const FileTableModel& model = *window.TableModel();
        const QString up = "up", down = "down", none = "noicon";
        struct Step {
            int column;
            QStringList names;
            QStringList images;
        };
        const Step steps[] = {
            {kNameColumn,
             {"c10.txt", "c9.txt", "B.txt", "a.txt"},
             {down, none, none, none, none, none}},
            {kSizeColumn,
             {"B.txt", "a.txt", "c10.txt", "c9.txt"},
             {none, up, none, none, none, none}},
            {kSizeColumn,
             {"c9.txt", "c10.txt", "a.txt", "B.txt"},
             {none, down, none, none, none, none}},
            {kSizeColumn,
             {"B.txt", "a.txt", "c10.txt", "c9.txt"},
             {none, up, none, none, none, none}},
            {kNoColumn,
             {"a.txt", "B.txt", "c9.txt", "c10.txt"},
             {none, none, none, none, none, up}},
            {kNameColumn,
             {"a.txt", "B.txt", "c9.txt", "c10.txt"},
             {up, none, none, none, none, none}},
        };
        QCOMPARE(Images(model), (QStringList{up, none, none, none, none, none}));
        for (const Step& step : steps) {
            ClickHeader(view, step.column);
            QCOMPARE(harness.TableNames(), step.names);
            QCOMPARE(Images(model), step.images);
        }
    }

    void sortingBringsTheCurrentRowIntoView() {
        WindowHarness harness;
        for (int i = 1; i <= 80; ++i)
            harness.folder.MakeFile(QString("f%1.txt").arg(i));
        MainWindow& window = harness.Open();
        FileTableView& view = *window.TableView();
        ClickCell(view, 0, kSizeColumn);
        QCOMPARE(harness.SelectedNames(), QStringList{"f1.txt"});
        ClickHeader(view, kNameColumn);  // f1 moves to the bottom
        QCOMPARE(view.currentIndex().row(), 79);
        QVERIFY(view.viewport()->rect().contains(view.visualRect(view.currentIndex())));
    }

    void clicksAndKeysShowTheSelectionSummary() {
        WindowHarness harness;
        for (int i = 1; i <= 14; ++i)
            harness.folder.MakeFile(QString("f%1.txt").arg(i, 2, 10, QChar('0')), 100);
        MainWindow& window = harness.Open();
        FileTableView& view = *window.TableView();
        auto* cmbZero = harness.Find<QComboBox>("cmbZero");
        const QString folder = harness.folder.path();
        QCOMPARE(cmbZero->currentText(), QString("2"));

        ClickCell(view, 2, kSizeColumn);
        QCOMPARE(Panels(window), (QStringList{"1個のファイルを選択", "100 バイト", "f03.txt"}));
        QCOMPARE(cmbZero->currentText(), QString("1"));

        ClickCell(view, 13, kSizeColumn, Qt::ShiftModifier);
        QCOMPARE(Panels(window), (QStringList{"12個のファイルを選択", "1.2 KB",
                                              "「" + folder + "」内の選択したファイル"}));
        QCOMPARE(cmbZero->currentText(), QString("2"));

        QVERIFY(!view.indexAt(EmptyPoint(view)).isValid());
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, EmptyPoint(view));
        QCOMPARE(Panels(window), (QStringList{"0個のファイルを選択", "0 バイト", ""}));
        QCOMPARE(cmbZero->currentText(), QString("1"));

        view.setFocus();
        QTRY_VERIFY(view.hasFocus());
        QTest::keyClick(&view, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(Panels(window)[0], QString("14個のファイルを選択"));
        QTest::keyClick(&view, Qt::Key_Up);
        QCOMPARE(window.StatusText(1), QString("1個のファイルを選択"));
        QCOMPARE(window.StatusText(3), harness.TableNames()[view.currentIndex().row()]);
    }

    void selectAllSelectsEveryRowAndFocusesTheTable_data() {
        QTest::addColumn<int>("files");
        QTest::addColumn<QString>("count");
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("digits");
        QTest::newRow("empty table") << 0 << "0個のファイルを選択"
                                     << "0 バイト"
                                     << "1";
        QTest::newRow("ten rows") << 10 << "10個のファイルを選択"
                                  << "1,000 KB"
                                  << "2";
    }
    void selectAllSelectsEveryRowAndFocusesTheTable() {
        QFETCH(int, files);
        WindowHarness harness;
        for (int i = 1; i <= files; ++i)
            harness.folder.MakeFile(QString("f%1.bin").arg(i), 100 * 1024);
        MainWindow& window = harness.Open();
        FileTableView& view = *window.TableView();
        if (files > 0)
            ClickCell(view, 0, kSizeColumn);
        auto* cmbZero = harness.Find<QComboBox>("cmbZero");
        cmbZero->setCurrentIndex(5);
        auto* selectAll = harness.Find<QPushButton>("Command4");
        QCOMPARE(selectAll->text(), QString("全選択"));
        QTest::mouseClick(selectAll, Qt::LeftButton);
        QCOMPARE(harness.SelectedNames(), harness.TableNames());
        QCOMPARE(harness.SelectedNames().size(), files);
        QTEST(window.StatusText(1), "count");
        QTEST(window.StatusText(2), "size");
        QCOMPARE(window.StatusText(3), "「" + harness.folder.path() + "」の選択したファイル");
        QTEST(cmbZero->currentText(), "digits");
        QTRY_VERIFY(view.hasFocus());
    }

    void rightButtonOpensTheRowMenu_data() {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<bool>("opens");
        QTest::newRow("right") << Qt::RightButton << true;
        QTest::newRow("left") << Qt::LeftButton << false;
        QTest::newRow("middle") << Qt::MiddleButton << false;
    }
    void rightButtonOpensTheRowMenu() {
        QFETCH(Qt::MouseButton, button);
        QFETCH(bool, opens);
        WindowHarness harness;
        harness.folder.MakeFile("a.txt");
        MainWindow& window = harness.Open();
        FileTableView& view = *window.TableView();
        QMenu* menu = view.RowMenu();
        QCOMPARE(menu->objectName(), QString("my_mnu"));
        QCOMPARE(menu->title(), QString("メニュー"));
        QTest::mousePress(view.viewport(), button, {}, CellPoint(view, 0, kSizeColumn));
        if (opens)
            QTRY_VERIFY(menu->isVisible());
        else
            QVERIFY(!menu->isVisible());
        QTest::mouseRelease(view.viewport(), button, {}, CellPoint(view, 0, kSizeColumn));
        menu->hide();
    }

    void removingTakesSelectedRowsOutOfTheListOnly_data() {
        QTest::addColumn<QList<int>>("selected");
        QTest::addColumn<QStringList>("numbers");
        QTest::newRow("rows 2 and 5 of 6") << QList<int>{1, 4} << QStringList{"1", "3", "4", "6"};
        QTest::newRow("none") << QList<int>{} << QStringList{"1", "2", "3", "4", "5", "6"};
    }
    void removingTakesSelectedRowsOutOfTheListOnly() {
        QFETCH(QList<int>, selected);
        QFETCH(QStringList, numbers);
        WindowHarness harness;
        for (int i = 1; i <= 6; ++i)
            harness.folder.MakeFile(QString("f%1.txt").arg(i));
        const QStringList onDisk = harness.folder.Names();
        MainWindow& window = harness.Open();
        FileTableView& view = *window.TableView();
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, EmptyPoint(view));
        for (int row : selected)
            ClickCell(view, row, kSizeColumn, Qt::ControlModifier);
        const QStringList panels = Panels(window);

        const QPoint at =
            selected.isEmpty() ? EmptyPoint(view) : CellPoint(view, selected.last(), kSizeColumn);
        QTest::mousePress(view.viewport(), Qt::RightButton, {}, at);
        QMenu* menu = view.RowMenu();
        QTRY_VERIFY(menu->isVisible());
        QTest::mouseRelease(view.viewport(), Qt::RightButton, {}, at);
        QAction* remove = menu->findChild<QAction*>("mnu_delete");
        QVERIFY(remove);
        QCOMPARE(remove->text(), QString("リストから削除(ファイルは削除されません)"));
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(remove).center());
        QTRY_VERIFY(!menu->isVisible());

        QCOMPARE(NumberTexts(*window.TableModel()), numbers);
        QCOMPARE(harness.folder.Names(), onDisk);
        QCOMPARE(Panels(window), panels);
    }

    void draggedRowsDropBelowTheRowUnderThePointer() {
        WindowHarness harness;
        for (int i = 1; i <= 6; ++i)
            harness.folder.MakeFile(QString("f%1.txt").arg(i), i * 1024);
        MainWindow& window = harness.Open();
        FileTableView& view = *window.TableView();
        ClickHeader(view, kNameColumn);  // descending: f6 .. f1
        ClickCell(view, 1, kSizeColumn);
        ClickCell(view, 4, kSizeColumn, Qt::ControlModifier);
        QCOMPARE(harness.SelectedNames(), (QStringList{"f5.txt", "f2.txt"}));
        const QStringList panels = Panels(window);

        QStringList payloads;
        int highlighted = -2;
        bool draggingInside = false;
        view.dragLoop = [&](const QMimeData& payload) {
            payloads << payload.text();
            draggingInside = view.IsDragging();
            DragOver(view, payload, CellPoint(view, 3, kSizeColumn));  // f3
            highlighted = view.DropHighlightRow();
            DropAt(view, payload, CellPoint(view, 3, kSizeColumn));
        };
        DragFrom(view, 1);

        QCOMPARE(payloads, QStringList{"_f5.txt\r\n_f2.txt\r\n"});
        QVERIFY(draggingInside);
        QCOMPARE(highlighted, 3);
        QVERIFY(!view.IsDragging());
        QCOMPARE(view.DropHighlightRow(), -1);
        QCOMPARE(harness.TableNames(),
                 (QStringList{"f6.txt", "f4.txt", "f3.txt", "f5.txt", "f2.txt", "f1.txt"}));
        const FileTableModel& model = *window.TableModel();
        QCOMPARE(NumberTexts(model), (QStringList{"1", "2", "3", "4", "5", "6"}));
        QCOMPARE(Images(model),
                 (QStringList{"noicon", "noicon", "noicon", "noicon", "noicon", "up"}));
        QCOMPARE(model.Row(3).size, qint64(5 * 1024));
        QVERIFY(harness.SelectedNames().isEmpty());
        QCOMPARE(Panels(window), panels);

        // The drop counts as a click on "No": a click on another header sorts it ascending.
        ClickHeader(view, kSizeColumn);
        QCOMPARE(harness.TableNames().first(), QString("f1.txt"));
        QCOMPARE(model.HeaderImage(kSizeColumn), QString("up"));
    }

    void dropsOutsideAnyRowOrFromElsewhereChangeNothing() {
        WindowHarness harness;
        for (int i = 1; i <= 4; ++i)
            harness.folder.MakeFile(QString("f%1.txt").arg(i));
        MainWindow& window = harness.Open();
        FileTableView& view = *window.TableView();
        const QStringList before = harness.TableNames();

        // Our own drag released below the last row.
        ClickCell(view, 0, kSizeColumn);
        view.dragLoop = [&](const QMimeData& payload) {
            DragOver(view, payload, EmptyPoint(view));
            QCOMPARE(view.DropHighlightRow(), -1);
            DropAt(view, payload, EmptyPoint(view));
        };
        DragFrom(view, 0);
        QCOMPARE(harness.TableNames(), before);
        QCOMPARE(window.TableModel()->LastSortColumn(), int(kNameColumn));

        // Text dragged in from another program, in the very format of ours.
        QMimeData foreign;
        foreign.setText("_f1.txt\r\n");
        const QPoint onRow = CellPoint(view, 2, kSizeColumn);
        QDragEnterEvent enter(onRow, Qt::CopyAction, &foreign, Qt::LeftButton, {});
        QApplication::sendEvent(view.viewport(), &enter);
        QVERIFY(!enter.isAccepted());
        QDragMoveEvent move(onRow, Qt::CopyAction, &foreign, Qt::LeftButton, {});
        QApplication::sendEvent(view.viewport(), &move);
        QCOMPARE(view.DropHighlightRow(), -1);
        DropAt(view, foreign, onRow);
        QCOMPARE(harness.TableNames(), before);
        QCOMPARE(window.TableModel()->LastSortColumn(), int(kNameColumn));
    }

    void everyTextFitsItsColumnAndTheNamesTakeTheRest_data() {
        QTest::addColumn<QList<int>>("widths");
        QTest::newRow("wide") << QList<int>{1400};
        QTest::newRow("narrowed again") << QList<int>{1400, 680};
    }
    void everyTextFitsItsColumnAndTheNamesTakeTheRest() {
        QFETCH(QList<int>, widths);
        WindowHarness harness;
        harness.folder.MakeFile("huge.mkv", 3221225472);  // 3,145,728KB
        harness.folder.MakeFile("mid.xlsx", 123904);      // 121KB
        harness.folder.MakeFile("small.txt", 1);
        harness.folder.SetModified("small.txt", QDateTime(QDate(2008, 8, 28), QTime(20, 8, 58)));
        MainWindow& window = harness.Open();
        FileTableView& view = *window.TableView();
        for (int width : widths) {
            window.resize(width, window.height());
            QTRY_COMPARE(window.width(), width);
        }
        // The margins the style keeps on either side of an item's text.
        const int margin =
            view.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &view) + 1;
        const QFontMetrics metrics(view.font());
        for (int row = 0; row < view.model()->rowCount(); ++row) {
            for (int column : {kSizeColumn, kTypeColumn, kMadeColumn, kRenewColumn, kNoColumn}) {
                const QString text = view.model()->index(row, column).data().toString();
                QVERIFY2(metrics.horizontalAdvance(text) + 2 * margin <= view.columnWidth(column),
                         qPrintable(text));
            }
        }
        const int least = metrics.horizontalAdvance(files_texts::NameWidthSample.toString());
        if (view.header()->length() > view.viewport()->width()) {
            // No room left: the name keeps about its least width and the table scrolls sideways.
            QVERIFY(view.columnWidth(kNameColumn) > least);
            QVERIFY(view.columnWidth(kNameColumn) < 2 * least);
        } else {
            // No gap after the last column and no scrolling sideways.
            QVERIFY(view.columnWidth(kNameColumn) > least);
            QCOMPARE(view.header()->length(), view.viewport()->width());
            QCOMPARE(view.horizontalScrollBar()->maximum(), 0);
        }
    }

    void aNameCutShortShowsWholeInItsTooltip_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("tip");
        QTest::newRow("cut short") << QString("第03話").repeated(30) + ".txt" << true;
        QTest::newRow("whole") << QString("a.txt") << false;
    }
    void aNameCutShortShowsWholeInItsTooltip() {
        QFETCH(QString, name);
        QFETCH(bool, tip);
        WindowHarness harness;
        harness.folder.MakeFile(name);
        MainWindow& window = harness.Open();
        FileTableView& view = *window.TableView();
        const QPoint at = CellPoint(view, 0, kNameColumn);
        QHelpEvent help(QEvent::ToolTip, at, view.viewport()->mapToGlobal(at));
        QApplication::sendEvent(view.viewport(), &help);
        if (tip) {
            QTRY_VERIFY(QToolTip::isVisible());
            QCOMPARE(QToolTip::text(), name);
        } else {
            QVERIFY(!QToolTip::isVisible() || QToolTip::text() != name);
        }
        QToolTip::hideText();
    }

    void keysOpenTheRowMenuOrTakeRowsOutOfTheList_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<bool>("menu");
        QTest::addColumn<QStringList>("numbers");
        const QStringList all{"1", "2", "3", "4"};
        const Qt::KeyboardModifiers none;
        QTest::newRow("menu key") << int(Qt::Key_Menu) << none << true << all;
        QTest::newRow("shift+F10")
            << int(Qt::Key_F10) << Qt::KeyboardModifiers(Qt::ShiftModifier) << true << all;
        QTest::newRow("F10 alone") << int(Qt::Key_F10) << none << false << all;
        QTest::newRow("delete") << int(Qt::Key_Delete) << none << false << QStringList{"1", "3"};
        QTest::newRow("shift+delete")
            << int(Qt::Key_Delete) << Qt::KeyboardModifiers(Qt::ShiftModifier) << false << all;
    }
    void keysOpenTheRowMenuOrTakeRowsOutOfTheList() {
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(bool, menu);
        WindowHarness harness;
        for (int i = 1; i <= 4; ++i)
            harness.folder.MakeFile(QString("f%1.txt").arg(i));
        const QStringList onDisk = harness.folder.Names();
        MainWindow& window = harness.Open();
        FileTableView& view = *window.TableView();
        ClickCell(view, 1, kSizeColumn);
        ClickCell(view, 3, kSizeColumn, Qt::ControlModifier);
        QTest::keyClick(&view, Qt::Key(key), modifiers);
        if (menu)
            QTRY_VERIFY(view.RowMenu()->isVisible());
        else
            QVERIFY(!view.RowMenu()->isVisible());
        view.RowMenu()->hide();
        QTEST(NumberTexts(*window.TableModel()), "numbers");
        QCOMPARE(harness.folder.Names(), onDisk);
    }
};

QTEST_MAIN(FileTableViewTest)
#include "tst_filetableview.moc"
