// Saving under pressure: many instances at once, a kill midway, a full disk, files planted by
// other users.
#include "settings/IniDocument.h"
#include "settings/SettingsFileLocation.h"
#include "settings/SettingsStore.h"
#include "support/TempFolder.h"
#include "support/Unprivileged.h"

#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <memory>

using namespace miravel;
using miravel::test::TempFolder;

namespace {

SettingsValues Sample(const QString& tag) {
    return {"/home/" + tag, tag + "-find", tag + "-with", tag + "-add", "[" + tag,
            tag + "]",      "<" + tag,     tag + ">",     "1",          "1"};
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

const QByteArray kOldFile =
    "; shared\n[bob]\nPATH=/home/bob\nADDT=keep me\n[alice]\nPATH=/home/alice\nREPLACE_F=old\n";

// The ways a child process of this test saves; see RunChild.
int RunChild(const QStringList& args) {
    const QString mode = args.value(0);
    const QString file = args.value(1);
    const QString section = args.value(2);
    if (mode == "save") {
        const int rounds = args.value(3).toInt();
        bool ok = true;
        for (int round = rounds - 1; round >= 0; --round) {
            const QString tag = round == 0 ? section : section + QString::number(round);
            ok = SaveSettings(file, section, Sample(tag)) && ok;
        }
        return ok ? 0 : 1;
    }
    if (mode == "kill-before-replace") {
        FileUpdateHooks hooks;
        hooks.beforeReplace = [] { ::raise(SIGKILL); };
        SaveSettings(file, section, Sample("new"), &hooks);
        return 3;  // not reached
    }
    if (mode == "load-and-save") {
        const bool loadedDefaults =
            LoadSettings(file, section, Sample("default")) == Sample("default");
        const bool saved = SaveSettings(file, section, Sample("new"));
        return loadedDefaults && !saved ? 0 : 1;
    }
    if (mode == "file-size-limit") {
        // The system refuses to grow any file beyond a few bytes, as a full disk would.
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{16, 16};
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0)
            return 4;
        return SaveSettings(file, section, Sample("new")) ? 1 : 0;
    }
    return 2;
}

std::unique_ptr<QProcess> StartChild(
    const QStringList& args, QProcess::ProcessChannelMode channels = QProcess::ForwardedChannels) {
    auto process = std::make_unique<QProcess>();
    process->setProcessChannelMode(channels);
    process->start(QCoreApplication::applicationFilePath(), QStringList{"--child"} + args);
    return process;
}

}  // namespace

class TestSettingsSaveFaults : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void twentyInstancesSavingAtOnceKeepTwentySections() {
        TempFolder temp;
        const QString file = temp.FilePath("rename.ini");
        WriteFile(file, kOldFile);
        std::vector<std::unique_ptr<QProcess>> children;
        for (int i = 0; i < 20; ++i) {
            children.push_back(StartChild({"save", file, QStringLiteral("user%1").arg(i), "5"}));
        }
        for (auto& child : children) {
            QVERIFY(child->waitForFinished(120000));
            QCOMPARE(child->exitStatus(), QProcess::NormalExit);
            QCOMPARE(child->exitCode(), 0);
        }
        for (int i = 0; i < 20; ++i) {
            const QString section = QStringLiteral("user%1").arg(i);
            QCOMPARE(LoadSettings(file, section, {}), Sample(section));
        }
        QVERIFY(ReadFile(file).startsWith(kOldFile));
        QCOMPARE(ReadFile(file).count("\n["), 22);  // section headers
    }

    void saveKilledBeforeTheRenameLeavesTheOldFile() {
        TempFolder temp;
        const QString file = temp.FilePath("rename.ini");
        WriteFile(file, kOldFile);
        const auto child = StartChild({"kill-before-replace", file, "alice"});
        QVERIFY(child->waitForFinished(60000));
        QCOMPARE(child->exitStatus(), QProcess::CrashExit);
        QCOMPARE(ReadFile(file), kOldFile);
        // The complete new content was waiting beside it, and the next save clears it away.
        const QStringList leftovers = QDir(temp.path()).entryList({"rename.ini.saving-*"});
        QCOMPARE(leftovers.size(), 1);
        QVERIFY(ReadFile(temp.FilePath(leftovers.first())).contains("REPLACE_F=new-find"));
        QVERIFY(SaveSettings(file, "alice", Sample("later")));
        QCOMPARE(temp.Names(), QStringList({"rename.ini"}));
        QCOMPARE(LoadSettings(file, "bob", {}).addText, QStringLiteral("keep me"));
    }

    void fullDiskLeavesTheOldFile() {
        if (::geteuid() != 0)
            QSKIP("mounting a small file system needs root");
        QTemporaryDir mountPoint;
        QVERIFY(mountPoint.isValid());
        const QByteArray target = QFile::encodeName(mountPoint.path());
        if (::mount("tmpfs", target.constData(), "tmpfs", 0, "size=64k") != 0) {
            QSKIP("this machine does not allow mounting a small file system");
        }
        const std::unique_ptr<void, void (*)(void*)> unmount(
            const_cast<char*>(target.constData()),
            [](void* path) { ::umount2(static_cast<const char*>(path), MNT_DETACH); });

        const QString file = mountPoint.filePath("rename.ini");
        WriteFile(file, kOldFile);
        QFile filler(mountPoint.filePath("filler"));
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray block(4096, 'f');
        while (filler.write(block) == block.size()) {
        }
        filler.close();

        QVERIFY(!SaveSettings(file, "alice", Sample("new")));
        QCOMPARE(ReadFile(file), kOldFile);
        QCOMPARE(QDir(mountPoint.path()).entryList({"rename.ini.saving-*"}), QStringList());

        QVERIFY(QFile::remove(mountPoint.filePath("filler")));
        QVERIFY(SaveSettings(file, "alice", Sample("new")));
        QCOMPARE(LoadSettings(file, "alice", {}), Sample("new"));
    }

    void fileSizeLimitLeavesTheOldFile() {
        TempFolder temp;
        const QString file = temp.FilePath("rename.ini");
        WriteFile(file, kOldFile);
        const auto child = StartChild({"file-size-limit", file, "alice"});
        QVERIFY(child->waitForFinished(60000));
        QCOMPARE(child->exitStatus(), QProcess::NormalExit);
        QCOMPARE(child->exitCode(), 0);
        QCOMPARE(ReadFile(file), kOldFile);
        QCOMPARE(temp.Names(), QStringList({"rename.ini"}));
    }

    // Whatever the values, a save never leaves a file the next start cannot read.
    void savedFileAlwaysReadsBack_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<qsizetype>("fileSize");
        QTest::addColumn<bool>("saved");
        QTest::addColumn<QString>("readBack");
        QTest::newRow("control characters")
            << QStringLiteral(
                   "a\x01"
                   "b\x1b"
                   "[0m\x7f\tc")
            << qsizetype(0) << true << QStringLiteral("a b [0m\x7f\tc");
        QTest::newRow("line breaks and NUL") << QString("x\r\ny") + QChar(0) + "z" << qsizetype(0)
                                             << true << QStringLiteral("x  y z");
        QTest::newRow("a file that would grow past what is read")
            << QString(600, u'字') << IniDocument::kMaxSize - 1000 << false << QString();
    }
    void savedFileAlwaysReadsBack() {
        QFETCH(QString, value);
        QFETCH(qsizetype, fileSize);
        QFETCH(bool, saved);
        QFETCH(QString, readBack);
        TempFolder temp;
        const QString file = temp.FilePath("rename.ini");
        QByteArray old = kOldFile;
        if (fileSize > old.size())
            old += "; " + QByteArray(fileSize - old.size() - 3, 'p') + "\n";
        WriteFile(file, old);
        SettingsValues values = Sample("new");
        values.replaceFind = value;
        values.addText = value;

        QCOMPARE(SaveSettings(file, "alice", values), saved);

        QCOMPARE(LoadSettings(file, "bob", {}).addText, QStringLiteral("keep me"));
        if (saved) {
            QCOMPARE(LoadSettings(file, "alice", {}).replaceFind, readBack);
            QCOMPARE(LoadSettings(file, "alice", {}).addText, readBack);
        } else {
            QCOMPARE(ReadFile(file), old);
        }
    }

    // A FIFO would block the start before any window, and the exit while holding the lock.
    void fileThatIsNotRegularIsNeitherReadNorWritten_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("FIFO") << "fifo";
        QTest::newRow("link to a FIFO") << "link";
        QTest::newRow("folder") << "folder";
    }
    void fileThatIsNotRegularIsNeitherReadNorWritten() {
        QFETCH(QString, kind);
        TempFolder temp;
        const QString file = temp.FilePath("rename.ini");
        const QString fifo = kind == "link" ? temp.FilePath("pipe") : file;
        if (kind == "folder")
            temp.MakeFolder("rename.ini");
        else
            QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0666), 0);
        if (kind == "link")
            QVERIFY(QFile::link(fifo, file));

        const auto child = StartChild({"load-and-save", file, "alice"}, QProcess::SeparateChannels);
        if (!child->waitForFinished(30000)) {
            child->kill();
            child->waitForFinished();
            QFAIL("the settings file blocked the start or the exit");
        }
        QCOMPARE(child->exitStatus(), QProcess::NormalExit);
        QCOMPARE(child->exitCode(), 0);
        // One line on stderr at the start and one at the exit, each naming the file.
        const QList<QByteArray> lines = child->readAllStandardError().trimmed().split('\n');
        QCOMPARE(lines.size(), 2);
        for (const QByteArray& line : lines)
            QVERIFY2(line.contains(QFile::encodeName(file)), line.constData());
        struct stat info {};
        QCOMPARE(::lstat(QFile::encodeName(fifo).constData(), &info), 0);
        QVERIFY(kind == "folder" ? S_ISDIR(info.st_mode) : S_ISFIFO(info.st_mode));
        QCOMPARE(temp.Names().size(), kind == "link" ? 2 : 1);
    }

    // In a program folder several users can write, a user can link rename.ini to another
    // user's file; the victim's save must never land in that file.
    void linkOfAnotherUserIsNeverWrittenThrough_data() {
        QTest::addColumn<uint>("linkOwner");
        QTest::addColumn<bool>("plantedBeforeStart");
        QTest::addColumn<bool>("followed");
        constexpr uint kUser = 65534;  // the unprivileged user who runs the program
        QTest::newRow("the user's own link") << kUser << true << true;
        QTest::newRow("a link of the system") << 0u << true << true;
        QTest::newRow("another user's link, there at the start") << 4711u << true << false;
        QTest::newRow("another user's link, planted before the exit") << 4711u << false << false;
    }
    void linkOfAnotherUserIsNeverWrittenThrough() {
        QFETCH(uint, linkOwner);
        QFETCH(bool, plantedBeforeStart);
        QFETCH(bool, followed);
        if (::geteuid() != 0)
            QSKIP("only root can make links that belong to other users");
        TempFolder shared;
        TempFolder home;
        constexpr uid_t kUser = 65534;
        const QByteArray profile = "export PATH=/usr/bin\n";
        WriteFile(home.FilePath(".profile"), profile);
        home.MakeFolder("config");
        for (const QString& path :
             {home.path(), home.FilePath(".profile"), home.FilePath("config")})
            QCOMPARE(::chown(QFile::encodeName(path).constData(), kUser, kUser), 0);
        QCOMPARE(::chmod(QFile::encodeName(shared.path()).constData(), 0777), 0);
        const QString link = shared.FilePath("rename.ini");
        const auto plant = [&] {
            QVERIFY(QFile::link(home.FilePath(".profile"), link));
            QCOMPARE(::lchown(QFile::encodeName(link).constData(), linkOwner, linkOwner), 0);
        };
        if (plantedBeforeStart)
            plant();

        // The start decides where the settings are; the exit saves there.
        const std::optional<QByteArray> start = test::RunAsNobody([&] {
            const SettingsFilePaths paths =
                SettingsFileLocation(shared.path(), home.FilePath("config"));
            return QFile::encodeName(paths.readFrom + '\n' + paths.writeTo + '\n' + paths.userFile);
        });
        if (!start)
            QSKIP("this machine cannot run a test as another user");
        if (!plantedBeforeStart)
            plant();
        const QList<QByteArray> places = start->split('\n');
        QCOMPARE(places.size(), 3);
        const SettingsFilePaths paths{QFile::decodeName(places[0]), QFile::decodeName(places[1]),
                                      QFile::decodeName(places[2])};
        const std::optional<QByteArray> exit = test::RunAsNobody([&] {
            return QByteArray(SaveSettings(paths, "victim", Sample("victim")) ? "saved" : "failed");
        });
        QCOMPARE(exit, std::optional<QByteArray>("saved"));

        QVERIFY(QFileInfo(link).isSymLink());
        const QByteArray after = ReadFile(home.FilePath(".profile"));
        QCOMPARE(after.contains("[victim]"), followed);
        QCOMPARE(after.startsWith(profile), true);
        const QString userFile = home.FilePath("config/rename.ini");
        QCOMPARE(QFile::exists(userFile), !followed);
        if (!followed)
            QCOMPARE(LoadSettings(userFile, "victim", {}), Sample("victim"));
    }

    void failedWriteLeavesTheOldFile() {
        TempFolder temp;
        const QString file = temp.FilePath("rename.ini");
        WriteFile(file, kOldFile);
        FileUpdateHooks hooks;
        hooks.failWrite = [] { return true; };
        QVERIFY(!SaveSettings(file, "alice", Sample("new"), &hooks));
        QCOMPARE(ReadFile(file), kOldFile);
        QCOMPARE(temp.Names(), QStringList({"rename.ini"}));
    }
};

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.value(1) == "--child")
        return RunChild(args.mid(2));
    TestSettingsSaveFaults test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_SettingsSaveFaults.moc"
