#include <sys/mount.h>
#include <sys/vfs.h>
#include <unistd.h>
#include <QDir>
#include <QProcess>
#include <QTest>
#include <cerrno>

#include "platform/FileNameCodec.h"
#include "platform/FileSystem.h"
#include "platform/PlatformTexts.h"
#include "platform/SystemErrorText.h"
#include "support/TempFolder.h"

using namespace miravel;
using miravel::test::TempFolder;
using Kind = RenameOutcome::Kind;

Q_DECLARE_METATYPE(RenameOutcome::Kind)

namespace {

constexpr long kFuseMagic = 0x65735546;

// A FUSE pass-through over a folder, mounted for one scope: by default without the
// no-replace rename and with inode numbers per name, or ("ci") ignoring letter case.
class PlainFs {
  public:
    PlainFs(const QString& source, const QString& mountPoint, bool ignoreCase)
        : mountPoint_(EncodeFileName(mountPoint)) {
#ifdef MIRAVEL_PLAINFS
        QStringList arguments{source, mountPoint};
        if (ignoreCase)
            arguments << "ci";
        // The file system goes to the background once mounted.
        if (QProcess::execute(QStringLiteral(MIRAVEL_PLAINFS), arguments) != 0)
            return;
        struct statfs info {};
        mounted_ = ::statfs(mountPoint_.constData(), &info) == 0 && info.f_type == kFuseMagic;
#else
        (void)source;
        (void)ignoreCase;
#endif
    }
    ~PlainFs() {
        // Unmounting ends the file system's process; a user other than root has fusermount.
        if (mounted_ && ::umount2(mountPoint_.constData(), MNT_DETACH) != 0)
            QProcess::execute(QStringLiteral("fusermount"),
                              {"-u", "-z", QString::fromLocal8Bit(mountPoint_)});
    }
    PlainFs(const PlainFs&) = delete;
    PlainFs& operator=(const PlainFs&) = delete;
    bool mounted() const {
        return mounted_;
    }

  private:
    QByteArray mountPoint_;
    bool mounted_ = false;
};

}  // namespace

// Renames on file systems this machine can only have through FUSE. Skipped where FUSE
// cannot be mounted (no /dev/fuse, not root, or built without libfuse).
class FuseRenameTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void RenamesOnlyWhenTheOldNameIsGone_data() {
        QTest::addColumn<bool>("ignoreCase");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("newName");
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QStringList>("after");
        const QString exists = SystemErrorText(EEXIST);
        QTest::newRow("numbers per name, renamed") << false << QStringList{"a.txt"} << "b.txt"
                                                   << Kind::Renamed << "" << QStringList{"b.txt"};
        QTest::newRow("numbers per name, name taken")
            << false << QStringList{"a.txt", "b.txt"} << "b.txt" << Kind::Failed << exists
            << QStringList{"a.txt", "b.txt"};
        QTest::newRow("numbers per name, hard link of the same file")
            << false << QStringList{"a.txt", "b.txt=a.txt"} << "b.txt" << Kind::Failed << exists
            << QStringList{"a.txt", "b.txt"};
        QTest::newRow("ignoring case, renamed") << true << QStringList{"a.txt"} << "b.txt"
                                                << Kind::Renamed << "" << QStringList{"b.txt"};
        QTest::newRow("ignoring case, case only") << true << QStringList{"a.txt"} << "A.TXT"
                                                  << Kind::Renamed << "" << QStringList{"A.TXT"};
        QTest::newRow("ignoring case, name taken in another case")
            << true << QStringList{"a.txt", "b.txt"} << "B.txt" << Kind::Failed << exists
            << QStringList{"a.txt", "b.txt"};
    }
    void RenamesOnlyWhenTheOldNameIsGone() {
        QFETCH(bool, ignoreCase);
        QFETCH(QStringList, files);
        QFETCH(QString, newName);
        QFETCH(Kind, kind);
        QFETCH(QString, error);
        QFETCH(QStringList, after);
        TempFolder folder;
        folder.MakeFolder("source");
        folder.MakeFolder("mount");
        for (const QString& file : files) {
            const QString name = file.section('=', 0, 0);
            const QString linkOf = file.section('=', 1);
            if (linkOf.isEmpty())
                folder.MakeFile("source/" + name, 4, name.left(1).toUtf8());
            else
                QCOMPARE(::link(EncodeFileName(folder.FilePath("source/" + linkOf)).constData(),
                                EncodeFileName(folder.FilePath("source/" + name)).constData()),
                         0);
        }
        PlainFs plainFs(folder.FilePath("source"), folder.FilePath("mount"), ignoreCase);
        if (!plainFs.mounted())
            QSKIP("FUSE cannot be mounted here");

        FileSystem fileSystem;
        const RenameOutcome outcome =
            fileSystem.RenameFileInFolder(folder.FilePath("mount"), "a.txt", newName);
        QCOMPARE(outcome.kind, kind);
        QCOMPARE(outcome.error, error);
        // Undo finds the file by the identity the rename told: the one the new name shows.
        if (kind == Kind::Renamed)
            QCOMPARE(outcome.identity, fileSystem.IdentityOf(folder.FilePath("mount"), newName));
        // The names as the folder under the mount holds them, past any cache of FUSE.
        QCOMPARE(QDir(folder.FilePath("source")).entryList(QDir::Files, QDir::Name), after);
        QCOMPARE(folder.Content("source/" + after.first()), QByteArray(4, 'a'));
    }
};

QTEST_GUILESS_MAIN(FuseRenameTest)
#include "tst_fuserename.moc"
