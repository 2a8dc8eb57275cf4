#include "settings/SettingsFileLocation.h"
#include "settings/SettingsStore.h"
#include "settings/StartFolder.h"
#include "support/TempFolder.h"

#include <sys/stat.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

using namespace miravel;
using miravel::test::TempFolder;

namespace {

SettingsValues Defaults() {
    SettingsValues values;
    values.folder = QStringLiteral("/opt/app");
    return values;
}

SettingsValues Sample(const QString& tag) {
    return {"/home/" + tag, tag + "-find", tag + "-with", tag + "-add", "[" + tag,
            tag + "]",      "<" + tag,     tag + ">",     "1",          "0"};
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

ino_t Inode(const QString& path) {
    struct stat info {};
    ::stat(QFile::encodeName(path).constData(), &info);
    return info.st_ino;
}

}  // namespace

class TestSettingsStore : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void withoutFileTheDefaultsHold() {
        TempFolder folder;
        QCOMPARE(LoadSettings(folder.FilePath("rename.ini"), "alice", Defaults()), Defaults());
    }

    void firstSaveWritesOneSectionWithTheKeysInOrder() {
        TempFolder folder;
        const QString file = folder.FilePath("rename.ini");
        SettingsValues values = Sample("a");
        values.addText.clear();
        QVERIFY(SaveSettings(file, "alice", values));
        QCOMPARE(ReadFile(file), QByteArray("[alice]\nPATH=/home/a\nREPLACE_F=a-find\n"
                                            "REPLACE_R=a-with\nADDT=\nBRACKET1=[a\nBRACKET2=a]\n"
                                            "BRACKET7=<a\nBRACKET8=a>\nREGEX=1\nREPLACE_ALL=0\n"));
        QCOMPARE(LoadSettings(file, "alice", Defaults()), values);
    }

    void twoUsersKeepTheirOwnValues() {
        TempFolder folder;
        const QString file = folder.FilePath("rename.ini");
        QVERIFY(SaveSettings(file, "alice", Sample("a")));
        QVERIFY(SaveSettings(file, "bob", Sample("b")));
        const QByteArray afterBob = ReadFile(file);
        QVERIFY(SaveSettings(file, "alice", Sample("a2")));
        QCOMPARE(LoadSettings(file, "alice", Defaults()), Sample("a2"));
        QCOMPARE(LoadSettings(file, "bob", Defaults()), Sample("b"));
        // Bob's lines are exactly where and as they were.
        const QByteArray bobPart = afterBob.sliced(afterBob.indexOf("[bob]"));
        QVERIFY(ReadFile(file).endsWith(bobPart));
    }

    void loadingStoredValues_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("replaceFind");
        QTest::newRow("both present") << QByteArray("[alice]\nPATH=/p\nREPLACE_F=x\n") << "/p"
                                      << "x";
        QTest::newRow("spaces around the value")
            << QByteArray("[alice]\nPATH=  /p q  \nREPLACE_F= x \n") << "/p q"
            << "x";
        QTest::newRow("250-byte value read whole")
            << QByteArray("[alice]\nREPLACE_F=" + QByteArray(250, 'v') + "\n") << "/opt/app"
            << QString(250, QLatin1Char('v'));
        QTest::newRow("long Japanese value not cut in a character")
            << QByteArray("[alice]\nREPLACE_F=" + QString(90, QChar(0x8A71)).toUtf8() + "\n")
            << "/opt/app" << QString(90, QChar(0x8A71));
        QTest::newRow("empty values keep the defaults")
            << QByteArray("[alice]\nPATH=\nREPLACE_F=\n") << "/opt/app"
            << "";
        QTest::newRow("keys of another user are not ours")
            << QByteArray("[bob]\nPATH=/b\nREPLACE_F=b\n[alice]\n") << "/opt/app"
            << "";
        QTest::newRow("section and keys in another case")
            << QByteArray("[ALICE]\npath=/p\nReplace_F=x\n") << "/p"
            << "x";
        QTest::newRow("value without = ignored, neighbours read")
            << QByteArray("[alice]\nPATH\nREPLACE_F=x\n") << "/opt/app"
            << "x";
        QTest::newRow("CRLF and comments")
            << QByteArray("; mine\r\n[alice]\r\n; folder\r\nPATH=/p\r\nREPLACE_F=x\r\n") << "/p"
            << "x";
        QTest::newRow("another user's bytes that are not text")
            << QByteArray("[bob]\nADDT=\x93\xfa\x1b\n[alice]\nPATH=/p\nREPLACE_F=x\n") << "/p"
            << "x";
        QTest::newRow("CR line ends") << QByteArray("[alice]\rPATH=/p\rREPLACE_F=x\r") << "/p"
                                      << "x";
        QTest::newRow("gone folder is still read as saved")
            << QByteArray("[alice]\nPATH=/gone/away\n") << "/gone/away"
            << "";
    }
    void loadingStoredValues() {
        QFETCH(QByteArray, content);
        QFETCH(QString, folder);
        QFETCH(QString, replaceFind);
        TempFolder temp;
        const QString file = temp.FilePath("rename.ini");
        WriteFile(file, content);
        const SettingsValues values = LoadSettings(file, "alice", Defaults());
        QCOMPARE(values.folder, folder);
        QCOMPARE(values.replaceFind, replaceFind);
        QCOMPARE(values.deleteEnd, QString());
    }

    void replaceCheckBoxesFromFilesOfEveryAge_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("regex");
        QTest::addColumn<QString>("replaceAll");
        QTest::newRow("written before the boxes existed")
            << QByteArray("[alice]\nPATH=/p\nREPLACE_F=x\nBRACKET8=]\n") << "0"
            << "0";
        QTest::newRow("both on") << QByteArray("[alice]\nREGEX=1\nREPLACE_ALL=1\n") << "1"
                                 << "1";
        QTest::newRow("one on, one off") << QByteArray("[alice]\nREGEX=0\nREPLACE_ALL=1\n") << "0"
                                         << "1";
        QTest::newRow("empty values leave them off")
            << QByteArray("[alice]\nREGEX=\nREPLACE_ALL=\n") << "0"
            << "0";
        QTest::newRow("another user's boxes are not ours")
            << QByteArray("[bob]\nREGEX=1\nREPLACE_ALL=1\n[alice]\nPATH=/p\n") << "0"
            << "0";
    }
    void replaceCheckBoxesFromFilesOfEveryAge() {
        QFETCH(QByteArray, content);
        QFETCH(QString, regex);
        QFETCH(QString, replaceAll);
        TempFolder temp;
        const QString file = temp.FilePath("rename.ini");
        WriteFile(file, content);
        SettingsValues values = LoadSettings(file, "alice", Defaults());
        QCOMPARE(values.regex, regex);
        QCOMPARE(values.replaceAll, replaceAll);
        values.regex = values.regex == "1" ? "0" : "1";
        QVERIFY(SaveSettings(file, "alice", values));
        QCOMPARE(LoadSettings(file, "alice", Defaults()), values);
        // Keys new to the section come after the eight older ones.
        if (!content.contains("[alice]\nREGEX")) {
            const QByteArray saved = ReadFile(file);
            const qsizetype ours = saved.indexOf("[alice]");
            QVERIFY(saved.indexOf("BRACKET8=", ours) < saved.indexOf("REGEX=", ours));
            QVERIFY(saved.indexOf("REGEX=", ours) < saved.indexOf("REPLACE_ALL=", ours));
        }
    }

    void filesWeCannotReadAreNeitherUsedNorRewritten_data() {
        QTest::addColumn<QByteArray>("content");
        QByteArray garbage(2000, '\0');
        for (int i = 0; i < garbage.size(); ++i)
            garbage[i] = static_cast<char>((i * 7919) % 256);
        QTest::newRow("binary garbage") << garbage;
        QTest::newRow("NUL bytes") << QByteArray("[alice]\nPATH=/p\0\n", 17);
        QTest::newRow("our header without ]") << QByteArray("[alice\nPATH=/p\n");
        QTest::newRow("larger than 1 MiB")
            << QByteArray("[alice]\nPATH=/p\n; " + QByteArray(1024 * 1024, 'x') + "\n");
    }
    void filesWeCannotReadAreNeitherUsedNorRewritten() {
        QFETCH(QByteArray, content);
        TempFolder temp;
        const QString file = temp.FilePath("rename.ini");
        WriteFile(file, content);
        QCOMPARE(LoadSettings(file, "alice", Defaults()), Defaults());
        QVERIFY(!SaveSettings(file, "alice", Sample("a")));
        QCOMPARE(ReadFile(file), content);
    }

    void everyOtherByteOfTheFileIsKept() {
        TempFolder temp;
        const QString file = temp.FilePath("rename.ini");
        const QByteArray before =
            "; shared settings\r\n\r\n[bob]\r\nPATH=C:\\b\r\nUNKNOWN=kept\r\n\r\n"
            "[alice]\r\n; my folder\r\nPATH=/old\r\nstray line\r\nADDT=old\r\n\r\n"
            "[other tool]\r\nX = 1 \r\n";
        WriteFile(file, before);
        SettingsValues values = Sample("a");
        values.serialBefore.clear();
        QVERIFY(SaveSettings(file, "alice", values));
        QCOMPARE(ReadFile(file),
                 QByteArray("; shared settings\r\n\r\n[bob]\r\nPATH=C:\\b\r\nUNKNOWN=kept\r\n\r\n"
                            "[alice]\r\n; my folder\r\nPATH=/home/a\r\nstray line\r\nADDT=a-add\r\n"
                            "REPLACE_F=a-find\r\nREPLACE_R=a-with\r\nBRACKET1=\r\nBRACKET2=a]\r\n"
                            "BRACKET7=<a\r\nBRACKET8=a>\r\nREGEX=1\r\nREPLACE_ALL=0\r\n\r\n[other "
                            "tool]\r\nX = 1 \r\n"));
    }

    void savingTheSameValuesLeavesTheFileAlone() {
        TempFolder temp;
        const QString file = temp.FilePath("rename.ini");
        QVERIFY(SaveSettings(file, "alice", Sample("a")));
        const ino_t before = Inode(file);
        QVERIFY(SaveSettings(file, "alice", Sample("a")));
        QCOMPARE(Inode(file), before);
    }

    void valueThatIsNotTextKeepsTheStoredOne() {
        TempFolder temp;
        const QString file = temp.FilePath("rename.ini");
        QVERIFY(SaveSettings(file, "alice", Sample("a")));
        SettingsValues values = Sample("a2");
        values.folder = QStringLiteral("/data/") + QChar(0xDCE9) + QStringLiteral("t");
        QVERIFY(SaveSettings(file, "alice", values));
        const SettingsValues loaded = LoadSettings(file, "alice", Defaults());
        QCOMPARE(loaded.folder, Sample("a").folder);
        QCOMPARE(loaded.addText, values.addText);
    }

    void permissionsAndLinksSurviveASave_data() {
        QTest::addColumn<QStringList>("links");  // each link names the next; the last the file
        QTest::newRow("absolute link") << QStringList{"TEMP/real.ini"};
        QTest::newRow("relative link into a subfolder") << QStringList{"sub/real.ini"};
        QTest::newRow("two links in a row") << QStringList{"sub/next.ini", "../sub/real.ini"};
    }
    void permissionsAndLinksSurviveASave() {
        QFETCH(QStringList, links);
        TempFolder temp;
        temp.MakeFolder("sub");
        const QString real = links.size() == 1 && links[0].startsWith("TEMP")
                                 ? temp.FilePath("real.ini")
                                 : temp.FilePath("sub/real.ini");
        WriteFile(real, "[bob]\nPATH=/b\n");
        QVERIFY(
            QFile::setPermissions(real, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
        const QString link = temp.FilePath("rename.ini");
        QStringList names{link};
        for (int i = 1; i < links.size(); ++i)
            names << temp.FilePath(links[i - 1]);
        for (int i = 0; i < links.size(); ++i) {
            const QByteArray target = QString(links[i]).replace("TEMP", temp.path()).toUtf8();
            QCOMPARE(::symlink(target.constData(), QFile::encodeName(names[i]).constData()), 0);
        }
        QVERIFY(SaveSettings(link, "alice", Sample("a")));
        for (const QString& name : names)
            QVERIFY(QFileInfo(name).isSymLink());
        QCOMPARE(LoadSettings(real, "alice", Defaults()), Sample("a"));
        QCOMPARE(QFile::permissions(real), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser |
                                               QFile::WriteUser | QFile::ReadGroup);
    }

    void leftoversOfAKilledSaveAreCleared() {
        TempFolder temp;
        const QString file = temp.FilePath("rename.ini");
        WriteFile(temp.FilePath("rename.ini.saving-abc"), "half");
        QVERIFY(SaveSettings(file, "alice", Sample("a")));
        QCOMPARE(temp.Names(), QStringList({"rename.ini"}));
    }

    void saveCreatesTheConfigurationFolder() {
        TempFolder temp;
        const QString file = temp.FilePath("config/Zentrabe/rename.ini");
        QVERIFY(SaveSettings(file, "alice", Sample("a")));
        QCOMPARE(LoadSettings(file, "alice", Defaults()), Sample("a"));
    }

    void fileLocation_data() {
        QTest::addColumn<QString>("appFolder");
        QTest::addColumn<bool>("folderWritable");
        QTest::addColumn<FileKind>("appFile");
        QTest::addColumn<bool>("fileWritable");
        QTest::addColumn<bool>("userFileExists");
        QTest::addColumn<QString>("readFrom");
        QTest::addColumn<QString>("writeTo");
        const QString app = "/app/rename.ini";
        const QString user = "/home/u/.config/m/rename.ini";
        const FileKind none = FileKind::Missing;
        const FileKind file = FileKind::Regular;
        QTest::newRow("a folder of its own, no file yet")
            << "/app" << true << none << false << false << app << app;
        QTest::newRow("a folder of its own with its file")
            << "/app" << true << file << true << true << app << app;
        QTest::newRow("read-only file in a writable folder")
            << "/app" << true << file << false << false << app << user;
        QTest::newRow("read-only folder with a file, user file made")
            << "/app" << false << file << false << true << user << user;
        QTest::newRow("read-only folder with a file, first save still to come")
            << "/app" << false << file << false << false << app << user;
        QTest::newRow("read-only folder, writable file there")
            << "/app" << false << file << true << false << app << user;
        QTest::newRow("installed in a read-only folder without a file")
            << "/app" << false << none << false << false << user << user;
        QTest::newRow("installed in the system's folder, even as root")
            << "/usr/bin" << true << none << false << false << "/home/u/.config/m/rename.ini"
            << user;
        QTest::newRow("a file left in the system's folder is not read")
            << "/opt/m/bin" << true << file << true << false << user << user;
        QTest::newRow("another user's link beside the program")
            << "/app" << true << FileKind::ForeignLink << true << false << user << user;
        QTest::newRow("a FIFO beside the program stays the settings file")
            << "/app" << true << FileKind::NotRegular << true << false << app << app;
    }
    void fileLocation() {
        QFETCH(QString, appFolder);
        QFETCH(bool, folderWritable);
        QFETCH(FileKind, appFile);
        QFETCH(bool, fileWritable);
        QFETCH(bool, userFileExists);
        QFETCH(QString, readFrom);
        QFETCH(QString, writeTo);
        const SettingsFilePaths paths =
            SettingsFileLocation(appFolder, "/home/u/.config/m",
                                 {folderWritable, appFile, fileWritable, userFileExists});
        QCOMPARE(paths.readFrom, readFrom.replace("/app/", appFolder + "/"));
        QCOMPARE(paths.writeTo, writeTo.replace("/app/", appFolder + "/"));
        QCOMPARE(paths.userFile, QString("/home/u/.config/m/rename.ini"));
    }

    void fileLocationOnRealFolders() {
        TempFolder temp;
        temp.MakeFolder("app");
        const SettingsFilePaths paths =
            SettingsFileLocation(temp.FilePath("app"), temp.FilePath("config"));
        QCOMPARE(paths.readFrom, temp.FilePath("app/rename.ini"));
        QCOMPARE(paths.writeTo, temp.FilePath("app/rename.ini"));
        const SettingsFilePaths missingApp =
            SettingsFileLocation(temp.FilePath("none"), temp.FilePath("config"));
        QCOMPARE(missingApp.writeTo, temp.FilePath("config/rename.ini"));
    }

    void startFolder_data() {
        QTest::addColumn<QString>("saved");
        QTest::addColumn<QString>("start");
        QTest::newRow("saved folder exists") << "/data/photos"
                                             << "/data/photos";
        QTest::newRow("saved folder is gone") << "/data/gone"
                                              << "/opt/app";
        QTest::newRow("nothing saved") << ""
                                       << "/opt/app";
    }
    void startFolder() {
        QFETCH(QString, saved);
        QFETCH(QString, start);
        const auto exists = [](const QString& path) {
            return path == "/data/photos" || path == "/opt/app";
        };
        QCOMPARE(StartFolder(saved, "/opt/app", exists), start);
    }

    void fallbackStartFolder_data() {
        QTest::addColumn<QString>("appFolder");
        QTest::addColumn<bool>("writable");
        QTest::addColumn<QString>("fallback");
        QTest::newRow("a build or a folder of its own")
            << "/home/u/miravel" << true << "/home/u/miravel";
        QTest::newRow("a folder the user cannot write") << "/srv/tools" << false << "/home/u";
        QTest::newRow("the system's programs, even for root") << "/usr/bin" << true << "/home/u";
        QTest::newRow("below /usr") << "/usr/local/bin" << true << "/home/u";
        QTest::newRow("below /opt") << "/opt/miravel/" << true << "/home/u";
        QTest::newRow("a name that only begins alike") << "/optional" << true << "/optional";
    }
    void fallbackStartFolder() {
        QFETCH(QString, appFolder);
        QFETCH(bool, writable);
        QFETCH(QString, fallback);
        QCOMPARE(FallbackStartFolder(appFolder, writable, "/home/u"), fallback);
    }
};

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "tst_SettingsStore.moc"
