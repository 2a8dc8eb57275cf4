#include <QComboBox>
#include <QDropEvent>
#include <QFrame>
#include <QHeaderView>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QStyleOptionViewItem>
#include <QTabBar>
#include <QTest>

#include "files/widgets/FileTableItemModel.h"
#include "files/widgets/FileTableView.h"
#include "files/widgets/FolderListWidget.h"
#include "support/WindowHarness.h"

using namespace miravel;
using namespace miravel::test;

class MainWindowTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void startsWithCaptionWidthAndFilledTable() {
        WindowHarness harness;
        harness.folder.MakeFile("b.txt", 1025);
        harness.folder.MakeFile("a.jpg", 0);
        harness.folder.MakeFolder("sub");
        MainWindow& window = harness.Open();
        QCOMPARE(window.windowTitle(),
                 QString("Zentrabe ファイル名一括変換ソフト 『Miravel Ver1.0』"));
        QCOMPARE(window.width(), 680);
        QCOMPARE(harness.TableNames(), (QStringList{"a.jpg", "b.txt"}));
        QCOMPARE(harness.SelectedNames(), (QStringList{"a.jpg", "b.txt"}));
        QCOMPARE(window.StatusText(1), QString("2個のファイルを選択"));
        QCOMPARE(window.StatusText(2), QString("1 KB"));
        QCOMPARE(window.StatusText(3), "「" + harness.folder.path() + "」の選択したファイル");
        QCOMPARE(harness.Find<QComboBox>("cmbZero")->currentText(), QString("1"));
        QCOMPARE(window.TableModel()->HeaderImage(kNameColumn), QString("up"));
        QCOMPARE(window.TableView()->header()->logicalIndexAt(0), int(kNoColumn));
        QCOMPARE(window.TableModel()->Row(1).SizeText(), QString("   2KB"));
    }

    void tabsShowExactlyOnePanel() {
        WindowHarness harness;
        harness.Open();
        auto* tabs = harness.Find<QTabBar>("TabStrip1");
        const QStringList frames = {"Frame3", "Frame4", "Frame5", "Frame6"};
        auto visibleFrames = [&] {
            QStringList visible;
            for (const QString& name : frames)
                if (harness.Find<QFrame>(name)->isVisible())
                    visible << name;
            return visible;
        };
        QCOMPARE(visibleFrames(), QStringList{"Frame3"});
        for (int tab : {3, 1, 2, 0}) {
            QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(tab).center());
            QCOMPARE(visibleFrames(), QStringList{frames[tab]});
        }
    }

    // The shown panel's fields reach the preview column and status panel 4 as they are typed;
    // another tab shows its own operation.
    void thePreviewColumnFollowsTheShownPanel() {
        WindowHarness harness;
        harness.folder.MakeFile("sample1.txt");
        harness.folder.MakeFile("sample2.txt");
        harness.folder.MakeFile("x2.txt");
        MainWindow& window = harness.Open();
        QHeaderView* header = window.TableView()->header();
        QCOMPARE(header->visualIndex(kPreviewColumn), header->visualIndex(kNameColumn) + 1);
        FileTableModel* table = window.TableModel();
        const auto cell = [table](int row) { return table->index(row, kPreviewColumn).data(); };

        auto* find = harness.Find<QLineEdit>("Text1");
        find->setFocus();
        QTest::keyClicks(find, "sample");
        QTest::keyClicks(harness.Find<QLineEdit>("Text2"), "x");
        QTRY_COMPARE(cell(0).toString(), QString("x1.txt"));
        QCOMPARE(cell(1).toString(), QString("x2.txt"));
        QCOMPARE(cell(2).toString(), QString());
        QCOMPARE(window.StatusText(4), QString("変更 1件・失敗の見込み 1件"));

        auto* tabs = harness.Find<QTabBar>("TabStrip1");
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());  // empty text
        QTRY_COMPARE(cell(0).toString(), QString());
        QCOMPARE(table->headerData(kPreviewColumn, Qt::Horizontal, Qt::ToolTipRole).toString(),
                 QString("文字列を入力して下さい。"));
        QCOMPARE(window.StatusText(4), QString());
    }

    void typingAPatternRefillsOnEveryKeystroke() {
        WindowHarness harness;
        harness.folder.MakeFile("one.txt");
        harness.folder.MakeFile("TWO.TXT");
        harness.folder.MakeFile("three.jpg");
        harness.folder.MakeFile("noext");
        MainWindow& window = harness.Open();
        QCOMPARE(harness.TableNames().size(), 4);
        auto* pattern = harness.Find<QLineEdit>("txtPattern");
        pattern->setFocus();
        pattern->selectAll();
        QTest::keyClick(pattern, Qt::Key_Delete);
        int fills = 0;
        connect(window.TableModel(), &QAbstractItemModel::modelReset, this, [&] { ++fills; });
        QTest::keyClicks(pattern, "*.txt");
        QCOMPARE(fills, 5);
        QCOMPARE(harness.TableNames(), (QStringList{"one.txt", "TWO.TXT"}));
        QCOMPARE(window.StatusText(1), QString("2個のファイルを選択"));
    }

    void leavingAnEmptyPatternRestoresTheDefault() {
        WindowHarness harness;
        harness.folder.MakeFile("a.txt");
        harness.Open();
        auto* pattern = harness.Find<QLineEdit>("txtPattern");
        pattern->setFocus();
        QTRY_VERIFY(pattern->hasFocus());
        pattern->selectAll();
        QTest::keyClick(pattern, Qt::Key_Backspace);
        QCOMPARE(pattern->text(), QString());
        harness.Find<QComboBox>("Drive1")->setFocus();
        QTRY_COMPARE(pattern->text(), QString("*.*"));
        QCOMPARE(harness.TableNames(), QStringList{"a.txt"});

        QTest::keyClicks(pattern, "x");
        QTest::mouseClick(harness.Find<QPushButton>("Command5"), Qt::LeftButton);
        QCOMPARE(pattern->text(), QString("*.*"));
    }

    void openingAFolderListsItsFilesAndNamesItInPanel3() {
        WindowHarness harness;
        harness.folder.MakeFolder("data");
        harness.folder.MakeFile("data/inner.txt");
        harness.folder.MakeFile("outer.txt");
        MainWindow& window = harness.Open();
        FolderListWidget* folders = window.FolderList();
        QList<QListWidgetItem*> items = folders->findItems("data", Qt::MatchEndsWith);
        QCOMPARE(items.size(), 1);
        folders->setFocus();
        folders->setCurrentItem(items.first());
        QTest::keyClick(folders, Qt::Key_Return);
        const QString data = harness.folder.FilePath("data");
        QCOMPARE(folders->Path(), data);
        QCOMPARE(harness.TableNames(), QStringList{"inner.txt"});
        QCOMPARE(window.StatusText(3), "「" + data + "」の選択したファイル");
    }

    // Indented by pixels, not spaces, so that a Japanese name sits as far in as a Latin one.
    void folderEntriesIndentByLevelInPixels() {
        WindowHarness harness;
        harness.folder.MakeFolder("データ");
        MainWindow& window = harness.Open();
        FolderListWidget* folders = window.FolderList();
        const int level = int(harness.folder.path().split('/', Qt::SkipEmptyParts).size()) + 1;
        QListWidgetItem* item = folders->item(folders->count() - 1);
        QCOMPARE(item->text(), QString("データ"));
        QCOMPARE(item->data(FolderListWidget::kLevelRole).toInt(), level);
        QStyleOptionViewItem option;
        option.initFrom(folders);
        const QModelIndex index = folders->model()->index(folders->row(item), 0);
        const int indented = folders->itemDelegate()->sizeHint(option, index).width();
        item->setData(FolderListWidget::kLevelRole, 0);
        QCOMPARE(indented - folders->itemDelegate()->sizeHint(option, index).width(),
                 level * FolderListWidget::kLevelIndent);
    }

    // Dropped entries open as the same paths on the command line do.
    void droppedFolderOrFilesOpenTheirFolder_data() {
        QTest::addColumn<QStringList>("dropped");
        QTest::addColumn<QStringList>("selected");
        QTest::newRow("the folder")
            << QStringList{"data"} << QStringList{"a.txt", "b.txt", "c.txt"};
        QTest::newRow("files in it")
            << QStringList{"data/c.txt", "data/a.txt"} << QStringList{"a.txt", "c.txt"};
    }
    void droppedFolderOrFilesOpenTheirFolder() {
        QFETCH(QStringList, dropped);
        WindowHarness harness;
        harness.folder.MakeFolder("data");
        for (const char* name : {"data/a.txt", "data/b.txt", "data/c.txt", "outer.txt"})
            harness.folder.MakeFile(name);
        MainWindow& window = harness.Open();
        FolderListWidget* folders = window.FolderList();
        QMimeData payload;
        QList<QUrl> urls;
        for (const QString& path : dropped)
            urls << QUrl::fromLocalFile(harness.folder.FilePath(path));
        payload.setUrls(urls);
        const QPoint at = folders->viewport()->rect().center();
        const Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction;
        QDragEnterEvent enter(at, offered, &payload, Qt::LeftButton, {});
        QApplication::sendEvent(folders->viewport(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(at, offered, &payload, Qt::LeftButton, {});
        QApplication::sendEvent(folders->viewport(), &drop);
        QVERIFY(drop.isAccepted());
        // Never a move: the file manager would take that as leave to delete the entries.
        QCOMPARE(drop.dropAction(), Qt::CopyAction);
        QCOMPARE(folders->Path(), harness.folder.FilePath("data"));
        QCOMPARE(harness.TableNames(), (QStringList{"a.txt", "b.txt", "c.txt"}));
        QTEST(harness.SelectedNames(), "selected");
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
