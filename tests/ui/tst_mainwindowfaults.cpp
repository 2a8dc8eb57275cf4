// The window when other programs change the folder it shows, and with names of every kind of
// byte.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTest>
#include <algorithm>
#include <cerrno>
#include <functional>

#include "TableViewDriving.h"
#include "files/widgets/FileTableItemModel.h"
#include "files/widgets/FolderListWidget.h"
#include "platform/FileNameCodec.h"
#include "platform/SystemErrorText.h"
#include "support/WindowHarness.h"
#include "ui/PanelInput.h"

using namespace miravel;
using namespace miravel::test;
using namespace Qt::StringLiterals;

namespace {

// Types the marker texts into the delete panel and presses its run button, answering OK.
void RunDeletePanel(WindowHarness& harness) {
    harness.window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&harness.window()));
    auto* tabs = harness.Find<QTabBar>(u"TabStrip1"_s);
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(3).center());
    Retype(harness.Find<QLineEdit>(u"Text7"_s), u"[第"_s);
    Retype(harness.Find<QLineEdit>(u"Text8"_s), u"話]"_s);
    harness.boxes.QueueAnswer(true);
    Click(harness.Find<QPushButton>(u"Command7"_s));
    QCOMPARE(harness.boxes.PendingAnswers(), 0);
}

void OpenSubFolder(WindowHarness& harness, const QString& name) {
    const QString path = harness.folder.FilePath(name);
    harness.window().FolderList()->SetPath(path);
    QCOMPARE(harness.window().FolderList()->Path(), path);
}

void TypePattern(WindowHarness& harness, const QString& pattern) {
    auto* box = harness.Find<QLineEdit>(u"txtPattern"_s);
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, pattern);
}

// The table's open name editor, if any.
QLineEdit* NameEditor(FileTableView& view) {
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    return editor && view.isAncestorOf(editor) ? editor : nullptr;
}

// Renames a row in place: F2 on the table, the new text typed, Return.
void RenameInPlace(MainWindow& window, int row, const QString& text) {
    FileTableView& view = *window.TableView();
    ClickCell(view, row, kSizeColumn);
    view.setFocus();
    QTest::keyClick(&view, Qt::Key_F2);
    QLineEdit* editor = NameEditor(view);
    QVERIFY(editor);
    editor->selectAll();
    QTest::keyClicks(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
    QVERIFY(QTest::qWaitFor([&] { return !NameEditor(view); }));
}

// What another program does to memo.txt after the fill.
using FolderChange = std::function<void(TempFolder&)>;

}  // namespace

Q_DECLARE_METATYPE(FolderChange)

class MainWindowFaultsTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void filesGoneSinceTheFillGiveOneBoxEach() {
        WindowHarness harness;
        for (const char* name : {"[第1話]a.txt", "[第2話]b.txt", "[第3話]c.txt", "[第4話]d.txt"})
            harness.folder.MakeFile(QString::fromUtf8(name), 1, QByteArray(name).right(5).left(1));
        MainWindow& window = harness.Open();
        QCOMPARE(harness.SelectedNames().size(), 4);
        QVERIFY(QFile::remove(harness.folder.FilePath(u"[第2話]b.txt"_s)));
        QVERIFY(QFile::rename(harness.folder.FilePath(u"[第3話]c.txt"_s),
                              harness.folder.FilePath(u"z.txt"_s)));

        RunDeletePanel(harness);

        QCOMPARE(harness.boxes.ErrorTexts(),
                 (QStringList{SystemErrorText(ENOENT), SystemErrorText(ENOENT)}));
        for (const auto& box : harness.boxes.shown())
            QCOMPARE(box.title, window.Caption());
        QCOMPARE(harness.folder.Names(), (QStringList{"a.txt", "d.txt", "z.txt"}));
        QCOMPARE(harness.folder.Content("z.txt"), QByteArray("c"));
        QCOMPARE(harness.TableNames(), (QStringList{"a.txt", "d.txt", "z.txt"}));
        QCOMPARE(harness.SelectedNames(), harness.TableNames());
        QCOMPARE(window.StatusText(1), u"3個のファイルを選択"_s);
        QCOMPARE(harness.Find<QStatusBar>(u"StatusBar1"_s)->currentMessage(),
                 u"2件の名前を変更しました（失敗 2件）"_s);
    }

    void inPlaceRenameOfAFileGoneSinceTheFill_data() {
        QTest::addColumn<FolderChange>("change");
        QTest::addColumn<int>("error");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("removed") << FolderChange([](TempFolder& f) {
            QVERIFY(QFile::remove(f.FilePath("memo.txt")));
        }) << ENOENT << QStringList{"other.txt"};
        QTest::newRow("renamed by another program") << FolderChange([](TempFolder& f) {
            QVERIFY(QFile::rename(f.FilePath("memo.txt"), f.FilePath("moved.txt")));
        }) << ENOENT << QStringList{"moved.txt", "other.txt"};
        QTest::newRow("replaced by a folder") << FolderChange([](TempFolder& f) {
            QVERIFY(QFile::remove(f.FilePath("memo.txt")));
            f.MakeFolder("memo.txt");
        }) << EISDIR << QStringList{"memo.txt", "other.txt"};
    }
    void inPlaceRenameOfAFileGoneSinceTheFill() {
        QFETCH(FolderChange, change);
        QFETCH(int, error);
        QFETCH(QStringList, after);
        WindowHarness harness;
        harness.folder.MakeFile("memo.txt");
        harness.folder.MakeFile("other.txt");
        MainWindow& window = harness.Open();
        change(harness.folder);

        RenameInPlace(window, 0, u"note.txt"_s);

        QCOMPARE(harness.boxes.ErrorTexts(), QStringList{SystemErrorText(error)});
        QCOMPARE(harness.boxes.shown().first().title, u"名前の変更エラー"_s);
        QCOMPARE(window.TableModel()->Row(0).name, u"memo.txt"_s);
        QCOMPARE(window.TableModel()->FindRowByKey(u"_memo.txt"_s), 0);
        QCOMPARE(harness.folder.Names(), after);
    }

    void deletingTheWindowWithAnEditOpenRenamesNothing() {
        WindowHarness harness;
        harness.folder.MakeFile("memo.txt");
        MainWindow& window = harness.Open();
        FileTableView& view = *window.TableView();
        ClickCell(view, 0, kSizeColumn);
        view.setFocus();
        QTest::keyClick(&view, Qt::Key_F2);
        QLineEdit* editor = NameEditor(view);
        QVERIFY(editor);
        editor->selectAll();
        QTest::keyClicks(editor, "note.txt");

        harness.Destroy();

        QCOMPARE(harness.folder.Names(), QStringList{"memo.txt"});
        QCOMPARE(harness.boxes.shown().size(), 0);
    }

    void folderRemovedWhileShownGivesAnEmptyTable() {
        WindowHarness harness;
        harness.folder.MakeFolder("data");
        harness.folder.MakeFile("data/one.txt", 10);
        harness.folder.MakeFile("data/two.txt", 2000);
        MainWindow& window = harness.Open();
        OpenSubFolder(harness, u"data"_s);
        QCOMPARE(harness.TableNames(), (QStringList{"one.txt", "two.txt"}));
        QVERIFY(QDir(harness.folder.FilePath("data")).removeRecursively());

        TypePattern(harness, u"*"_s);

        QCOMPARE(harness.TableNames(), QStringList());
        QCOMPARE(window.StatusText(1), u"0個のファイルを選択"_s);
        QCOMPARE(window.StatusText(2), u"0 バイト"_s);
        QCOMPARE(harness.boxes.shown().size(), 0);
    }

    void runOnAFolderRemovedWhileShown() {
        WindowHarness harness;
        harness.folder.MakeFolder("data");
        harness.folder.MakeFile(u"data/[第1話]one.txt"_s);
        harness.folder.MakeFile(u"data/[第2話]two.txt"_s);
        MainWindow& window = harness.Open();
        OpenSubFolder(harness, u"data"_s);
        QCOMPARE(harness.TableNames().size(), 2);
        QVERIFY(QDir(harness.folder.FilePath("data")).removeRecursively());

        RunDeletePanel(harness);

        QCOMPARE(harness.boxes.ErrorTexts(),
                 (QStringList{SystemErrorText(ENOENT), SystemErrorText(ENOENT)}));
        QCOMPARE(harness.TableNames(), QStringList());
        QCOMPARE(window.StatusText(1), u"0個のファイルを選択"_s);
        QVERIFY(!harness.folder.Exists("data"));
    }

    void namesOfEveryKindAreListed() {
        WindowHarness harness;
        const QList<QByteArray> raw = {
            "caf\xe9.txt",
            "\xff\xfe",
            "\xe3\x80\x80.txt",
            "a\xef\xbc\x8c"
            "b.txt",
            "cafe\xcc\x81.txt",
            "\xf0\x9f\x98\x80.png",
            ".hidden",
            " blank at both ends ",
            "line\nbreak.txt",
            "\xed\xb2\x80 encoded surrogate.txt",
        };
        for (const QByteArray& name : raw)
            harness.folder.MakeFileRaw("[第1話]" + name, 3);
        MainWindow& window = harness.Open();

        QList<QByteArray> listed;
        for (const QString& name : harness.TableNames())
            listed << EncodeFileName(name).mid(QByteArray("[第1話]").size());
        std::sort(listed.begin(), listed.end());
        QList<QByteArray> expected = raw;
        std::sort(expected.begin(), expected.end());
        QCOMPARE(listed, expected);
        QCOMPARE(harness.SelectedNames().size(), raw.size());
        QCOMPARE(window.StatusText(1), QString::number(raw.size()) + u"個のファイルを選択"_s);

        RunDeletePanel(harness);

        QCOMPARE(harness.boxes.ErrorTexts(), QStringList());
        QCOMPARE(harness.folder.RawNames(), expected);
        QCOMPARE(harness.TableNames().size(), raw.size());
    }
};

QTEST_MAIN(MainWindowFaultsTest)
#include "tst_mainwindowfaults.moc"
