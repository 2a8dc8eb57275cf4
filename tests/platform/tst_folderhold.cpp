#include <QDir>
#include <QTest>
#include <cerrno>

#include "platform/FileSystem.h"
#include "platform/SystemErrorText.h"
#include "support/TempFolder.h"

using namespace miravel;
using miravel::test::TempFolder;
using Kind = RenameOutcome::Kind;

// A batch keeps its folder open for its renames; what that may change and what it must not.
class FolderHoldTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void RenamesInTheHeldFolder_data() {
        QTest::addColumn<bool>("held");
        QTest::newRow("held") << true;
        QTest::newRow("not held") << false;
    }
    void RenamesInTheHeldFolder() {
        QFETCH(bool, held);
        TempFolder folder;
        folder.MakeFile("a.txt", 3);
        folder.MakeFile("b.txt", 4);
        FileSystem fs;
        if (held)
            fs.HoldFolder(folder.path());
        QCOMPARE(fs.RenameInFolder(folder.path(), "a.txt", "c.txt").kind, Kind::Renamed);
        const RenameOutcome taken = fs.RenameInFolder(folder.path(), "b.txt", "c.txt");
        QCOMPARE(taken.kind, Kind::Failed);
        QCOMPARE(taken.error, SystemErrorText(EEXIST));
        QCOMPARE(fs.RenameInFolder(folder.path(), "b.txt", "b.txt").kind, Kind::NothingToDo);
        const RenameOutcome gone = fs.RenameInFolder(folder.path(), "a.txt", "d.txt");
        QCOMPARE(gone.error, SystemErrorText(ENOENT));
        QCOMPARE(folder.Names(), (QStringList{"b.txt", "c.txt"}));
    }

    // The renames of a run stay in the folder that was chosen, even if its path is given to
    // another folder meanwhile; other folders are opened for each rename as before.
    void StaysWithTheFolderNotThePath() {
        TempFolder parent;
        parent.MakeFolder("chosen");
        parent.MakeFolder("other");
        const QString chosen = parent.FilePath("chosen");
        const QString other = parent.FilePath("other");
        QVERIFY(QFile(chosen + "/a.txt").open(QIODevice::WriteOnly));
        QVERIFY(QFile(other + "/x.txt").open(QIODevice::WriteOnly));
        FileSystem fs;
        {
            FolderHold hold(fs, chosen);
            QVERIFY(QDir(parent.path()).rename("chosen", "moved"));
            QVERIFY(QDir(parent.path()).mkdir("chosen"));
            QCOMPARE(fs.RenameInFolder(chosen, "a.txt", "b.txt").kind, Kind::Renamed);
            QCOMPARE(fs.RenameInFolder(other, "x.txt", "y.txt").kind, Kind::Renamed);
        }
        QVERIFY(QFile::exists(parent.FilePath("moved/b.txt")));
        QVERIFY(QFile::exists(other + "/y.txt"));
        // Released: the path counts again.
        QCOMPARE(fs.RenameInFolder(chosen, "b.txt", "c.txt").error, SystemErrorText(ENOENT));
    }

    void AFolderThatCannotBeOpenedIsNotHeld() {
        TempFolder parent;
        const QString missing = parent.FilePath("missing");
        FileSystem fs;
        FolderHold hold(fs, missing);
        const RenameOutcome outcome = fs.RenameInFolder(missing, "a.txt", "b.txt");
        QCOMPARE(outcome.kind, Kind::Failed);
        QCOMPARE(outcome.error, SystemErrorText(ENOENT));
    }
};

QTEST_GUILESS_MAIN(FolderHoldTest)
#include "tst_folderhold.moc"
