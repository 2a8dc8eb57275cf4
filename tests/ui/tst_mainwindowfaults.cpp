// The window when other programs change the folder it shows, and with names of every kind of
// byte.
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTest>
#include <algorithm>
#include <cerrno>

#include "files/widgets/FolderListWidget.h"
#include "platform/FileNameCodec.h"
#include "platform/SystemErrorText.h"
#include "rename/AddStringOperation.h"
#include "rename/BatchRename.h"
#include "support/WindowHarness.h"

using namespace miravel;
using namespace miravel::test;
using namespace Qt::StringLiterals;

namespace {

// The run the window's panels start, on the window's folder, selection and refill.
void RunOnWindow(WindowHarness& harness, const BatchOperation& operation) {
    MainWindow& window = harness.window();
    BatchContext context;
    context.messages = &harness.boxes;
    context.fileSystem = &harness.fileSystem;
    context.title = window.Caption();
    context.folder = [&window] { return window.FolderList()->Path(); };
    context.selectedRowNames = [&window] { return window.SelectedRowNames(); };
    context.refill = [&window] { window.Refill(); };
    harness.boxes.QueueAnswer(true);
    BatchRename(operation, context);
}

BatchOperation AddHead(const QString& text) {
    return MakeAddStringOperation({text, Placement::Head, u"0"_s});
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

}  // namespace

class MainWindowFaultsTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void filesGoneSinceTheFillGiveOneBoxEach() {
        WindowHarness harness;
        for (const char* name : {"a.txt", "b.txt", "c.txt", "d.txt"})
            harness.folder.MakeFile(name, 1, QByteArray(name).left(1));
        MainWindow& window = harness.Open();
        QCOMPARE(harness.SelectedNames(), (QStringList{"a.txt", "b.txt", "c.txt", "d.txt"}));
        QVERIFY(QFile::remove(harness.folder.FilePath("b.txt")));
        QVERIFY(QFile::rename(harness.folder.FilePath("c.txt"), harness.folder.FilePath("z.txt")));

        RunOnWindow(harness, AddHead(u"new_"_s));

        QCOMPARE(harness.boxes.ErrorTexts(),
                 (QStringList{SystemErrorText(ENOENT), SystemErrorText(ENOENT)}));
        for (const auto& box : harness.boxes.shown())
            QCOMPARE(box.title, window.Caption());
        QCOMPARE(harness.folder.Names(), (QStringList{"new_a.txt", "new_d.txt", "z.txt"}));
        QCOMPARE(harness.folder.Content("z.txt"), QByteArray("c"));
        QCOMPARE(harness.TableNames(), (QStringList{"new_a.txt", "new_d.txt", "z.txt"}));
        QCOMPARE(harness.SelectedNames(), harness.TableNames());
        QCOMPARE(window.StatusText(1), u"3個のファイルを選択"_s);
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
        harness.folder.MakeFile("data/one.txt");
        harness.folder.MakeFile("data/two.txt");
        MainWindow& window = harness.Open();
        OpenSubFolder(harness, u"data"_s);
        QVERIFY(QDir(harness.folder.FilePath("data")).removeRecursively());

        RunOnWindow(harness, AddHead(u"new_"_s));

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
            harness.folder.MakeFileRaw(name, 3);
        MainWindow& window = harness.Open();

        QList<QByteArray> listed;
        for (const QString& name : harness.TableNames())
            listed << EncodeFileName(name);
        std::sort(listed.begin(), listed.end());
        QList<QByteArray> expected = raw;
        std::sort(expected.begin(), expected.end());
        QCOMPARE(listed, expected);
        QCOMPARE(harness.SelectedNames().size(), raw.size());
        QCOMPARE(window.StatusText(1), QString::number(raw.size()) + u"個のファイルを選択"_s);

        RunOnWindow(harness, AddHead(u"新_"_s));

        QCOMPARE(harness.boxes.ErrorTexts(), QStringList());
        QList<QByteArray> renamed;
        for (const QByteArray& name : expected)
            renamed << "新_" + name;
        QCOMPARE(harness.folder.RawNames(), renamed);
        QCOMPARE(harness.TableNames().size(), raw.size());
    }
};

QTEST_MAIN(MainWindowFaultsTest)
#include "tst_mainwindowfaults.moc"
