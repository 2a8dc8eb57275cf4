#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QTabBar>
#include <QTest>

#include "app/StartRequest.h"
#include "files/Formats.h"
#include "files/widgets/FileTableItemModel.h"
#include "files/widgets/FolderListWidget.h"
#include "support/WindowHarness.h"

using namespace miravel;
using namespace miravel::test;

namespace {

// The remembered boxes in the order of their keys, with the tab of the panel they sit on.
struct Persisted {
    const char* box;
    const char* key;
    int tab;
};
constexpr Persisted kPersisted[] = {{"Text1", "REPLACE_F", 0}, {"Text2", "REPLACE_R", 0},
                                    {"Text3", "ADDT", 1},      {"Text4", "BRACKET1", 2},
                                    {"Text6", "BRACKET2", 2},  {"Text7", "BRACKET7", 3},
                                    {"Text8", "BRACKET8", 3}};

QLineEdit* Box(WindowHarness& harness, const Persisted& persisted) {
    return harness.Find<QLineEdit>(QString::fromLatin1(persisted.box));
}

// Opens a subfolder of the folder shown, as a user does in the folder list.
void OpenSubfolder(WindowHarness& harness, const QString& name) {
    FolderListWidget* folders = harness.window().FolderList();
    const QList<QListWidgetItem*> items = folders->findItems(name, Qt::MatchEndsWith);
    QCOMPARE(items.size(), 1);
    folders->setFocus();
    folders->setCurrentItem(items.first());
    QTest::keyClick(folders, Qt::Key_Return);
}

// Shows the box's panel and types the text over the box's text.
void TypeInto(WindowHarness& harness, const Persisted& persisted, const QString& text) {
    auto* tabs = harness.Find<QTabBar>(QStringLiteral("TabStrip1"));
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(persisted.tab).center());
    QLineEdit* box = Box(harness, persisted);
    box->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Delete);
    for (const QChar ch : text)
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(ch), Qt::NoModifier);
}

QString FolderShown(WindowHarness& harness) {
    return harness.window().FolderList()->Path();
}

}  // namespace

class StartUpExitTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void firstStartThenRestart() {
        WindowHarness harness;
        harness.firstStart = true;
        harness.programFolder.MakeFile("program.txt");
        harness.programFolder.MakeFolder("写真");
        harness.programFolder.MakeFile("写真/p.jpg");
        harness.Open();
        QCOMPARE(FolderShown(harness), harness.programFolder.path());
        QCOMPARE(harness.TableNames(), QStringList{"program.txt"});
        for (const Persisted& persisted : kPersisted) {
            QLineEdit* box = Box(harness, persisted);
            QVERIFY2(box, persisted.box);
            QCOMPARE(box->text(), QString());  // the form's texts give way
        }
        auto* regex = harness.Find<QCheckBox>(QStringLiteral("chkRegex"));
        QVERIFY(!regex->isChecked());
        QVERIFY(!harness.Find<QCheckBox>(QStringLiteral("chkReplaceAll"))->isChecked());

        OpenSubfolder(harness, "写真");
        const QString photos = harness.programFolder.FilePath("写真");
        QCOMPARE(FolderShown(harness), photos);
        QByteArray expected = "[tester]\nPATH=" + photos.toUtf8() + "\n";
        for (const Persisted& persisted : kPersisted) {
            const QString text = QStringLiteral("「%1」 x").arg(QLatin1String(persisted.box));
            TypeInto(harness, persisted, text);
            expected += QByteArray(persisted.key) + "=" + text.toUtf8() + "\n";
        }
        TypeInto(harness, kPersisted[0], QStringLiteral("「Text1」 x"));  // shows the panel
        QTest::mouseClick(regex, Qt::LeftButton, {}, QPoint(4, regex->height() / 2));
        expected += "REGEX=1\nREPLACE_ALL=0\n";
        harness.Close();
        QCOMPARE(harness.programFolder.Content("rename.ini"), expected);

        harness.Open();
        QCOMPARE(FolderShown(harness), photos);
        QCOMPARE(harness.TableNames(), QStringList{"p.jpg"});
        for (const Persisted& persisted : kPersisted) {
            QCOMPARE(Box(harness, persisted)->text(),
                     QStringLiteral("「%1」 x").arg(QLatin1String(persisted.box)));
        }
        QVERIFY(harness.Find<QCheckBox>(QStringLiteral("chkRegex"))->isChecked());
        QVERIFY(!harness.Find<QCheckBox>(QStringLiteral("chkReplaceAll"))->isChecked());
    }

    void usersKeepTheirOwnSections_data() {
        QTest::addColumn<QString>("firstName");
        QTest::addColumn<quint32>("firstId");
        QTest::addColumn<QString>("secondName");
        QTest::addColumn<quint32>("secondId");
        QTest::newRow("two login names") << "alice" << 1001u << "bob" << 1002u;
        QTest::newRow("names differing in case") << "Alice" << 1001u << "alice" << 1002u;
        QTest::newRow("two users without names") << "" << 1001u << "" << 1002u;
        QTest::newRow("a name and a nameless user") << "1001" << 1001u << "" << 1001u;
    }
    void usersKeepTheirOwnSections() {
        QFETCH(QString, firstName);
        QFETCH(quint32, firstId);
        QFETCH(QString, secondName);
        QFETCH(quint32, secondId);
        const Persisted& serialBefore = kPersisted[3];
        WindowHarness harness;
        harness.firstStart = true;
        harness.programFolder.MakeFolder("one");
        harness.programFolder.MakeFolder("two");
        const auto runAs = [&](const QString& name, quint32 id) {
            harness.loginName = name;
            harness.userId = id;
            harness.Open();
        };

        runAs(firstName, firstId);
        OpenSubfolder(harness, "one");
        TypeInto(harness, serialBefore, "first");
        harness.Close();
        runAs(secondName, secondId);
        QCOMPARE(FolderShown(harness), harness.programFolder.path());
        QCOMPARE(Box(harness, serialBefore)->text(), QString());
        OpenSubfolder(harness, "two");
        TypeInto(harness, serialBefore, "second");
        harness.Close();

        runAs(firstName, firstId);
        QCOMPARE(FolderShown(harness), harness.programFolder.FilePath("one"));
        QCOMPARE(Box(harness, serialBefore)->text(), QString("first"));
        harness.Close();
        runAs(secondName, secondId);
        QCOMPARE(FolderShown(harness), harness.programFolder.FilePath("two"));
        QCOMPARE(Box(harness, serialBefore)->text(), QString("second"));
    }

    void savedFolderThatCannotBeShownGivesTheProgramFolder_data() {
        QTest::addColumn<QString>("saved");
        QTest::addColumn<bool>("shown");
        QTest::newRow("removed folder") << "gone" << false;
        QTest::newRow("a file") << "file.txt" << false;
        QTest::newRow("relative path") << "." << false;
        QTest::newRow("existing folder") << "kept" << true;
    }
    void savedFolderThatCannotBeShownGivesTheProgramFolder() {
        QFETCH(QString, saved);
        QFETCH(bool, shown);
        WindowHarness harness;
        harness.programFolder.MakeFile("program.txt");
        harness.folder.MakeFile("file.txt");
        harness.folder.MakeFolder("gone");
        harness.folder.MakeFolder("kept");
        harness.lastRun.folder =
            saved == "." ? QStringLiteral("kept") : harness.folder.FilePath(saved);
        QVERIFY(QDir(harness.folder.path()).rmdir("gone"));
        harness.Open();
        const QString expected =
            shown ? harness.folder.FilePath(saved) : harness.programFolder.path();
        QCOMPARE(FolderShown(harness), expected);
        QCOMPARE(harness.window().StatusText(3), "「" + expected + "」の選択したファイル");
        QCOMPARE(harness.TableNames().contains("program.txt"), !shown);
    }

    // Installed among the system's programs, the window shows the home folder and keeps the
    // settings in the user's configuration folder, never beside the program.
    void installedProgramStartsAtHomeAndSavesInTheConfigurationFolder() {
        TempFolder home;
        TempFolder config;
        home.MakeFile("home.txt");
        ScriptedMessageBoxes boxes;
        FileSystem fileSystem;
        MainWindowServices services;
        services.messages = &boxes;
        services.fileSystem = &fileSystem;
        services.appFolder = QStringLiteral("/opt/miravel-tests-absent/bin");
        services.userConfigFolder = config.path();
        services.homeFolder = home.path();
        services.loginName = QStringLiteral("tester");
        services.today = [] { return QDate(2026, 12, 7); };
        {
            MainWindow window(services);
            window.show();
            QCOMPARE(window.FolderList()->Path(), home.path());
            QCOMPARE(window.TableModel()->Rows().size(), std::size_t(1));
            window.close();
        }
        QVERIFY(config.Content("rename.ini")
                    .startsWith("[tester]\nPATH=" + home.path().toUtf8() + "\n"));
        QVERIFY(!QFileInfo::exists(services.appFolder));
    }

    // The command line's folder wins over the remembered one, and its files alone are selected.
    void commandLineFolderAndFiles_data() {
        QTest::addColumn<QStringList>("selectNames");
        QTest::addColumn<QStringList>("selected");
        QTest::newRow("a folder") << QStringList{} << QStringList{"x.txt", "y.txt", "z.txt"};
        QTest::newRow("files of it")
            << QStringList{"z.txt", "x.txt"} << QStringList{"x.txt", "z.txt"};
        QTest::newRow("neighbours")
            << QStringList{"y.txt", "x.txt", "gone.txt"} << QStringList{"x.txt", "y.txt"};
    }
    void commandLineFolderAndFiles() {
        QFETCH(QStringList, selectNames);
        QFETCH(QStringList, selected);
        WindowHarness harness;
        harness.folder.MakeFile("remembered.txt");
        harness.programFolder.MakeFolder("named");
        for (const char* name : {"x.txt", "y.txt", "z.txt"})
            harness.programFolder.MakeFile(QStringLiteral("named/") + QLatin1String(name));
        harness.start.folder = harness.programFolder.FilePath("named");
        harness.start.selectNames = selectNames;
        harness.start.missing = QStringList{"gone.txt"};
        harness.Open();
        QCOMPARE(FolderShown(harness), harness.start.folder);
        QCOMPARE(harness.SelectedNames(), selected);
        QCOMPARE(harness.window().StatusText(1), SelectedCountText(selected.size()));
        QTRY_COMPARE(harness.boxes.ErrorTexts(), QStringList{StartRequestNotice(harness.start)});
    }
};

QTEST_MAIN(StartUpExitTest)
#include "tst_startupexit.moc"
