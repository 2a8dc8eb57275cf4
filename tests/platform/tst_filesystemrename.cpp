#include <fcntl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>
#include <QFileInfo>
#include <QTest>
#include <cerrno>

#include "files/WildcardPattern.h"
#include "platform/FileNameCodec.h"
#include "platform/FileSystem.h"
#include "platform/NoReplaceRename.h"
#include "platform/PlatformTexts.h"
#include "platform/SystemErrorText.h"
#include "support/TempFolder.h"
#include "support/Unprivileged.h"

using namespace miravel;
using miravel::test::TempFolder;
using Kind = RenameOutcome::Kind;

Q_DECLARE_METATYPE(RenameOutcome::Kind)

namespace {

QByteArray Encoded(const TempFolder& folder, const QString& name) {
    return EncodeFileName(folder.FilePath(name));
}

QByteArray RawContent(const TempFolder& folder, const QString& name) {
    QByteArray content;
    const int fd = ::open(Encoded(folder, name).constData(), O_RDONLY);
    if (fd < 0)
        return content;
    char buffer[4096];
    for (ssize_t got; (got = ::read(fd, buffer, sizeof buffer)) > 0;)
        content.append(buffer, got);
    ::close(fd);
    return content;
}

struct stat LinkStatus(const TempFolder& folder, const QString& name) {
    struct stat st {};
    ::lstat(Encoded(folder, name).constData(), &st);
    return st;
}

// The outcome of a rename done by the unprivileged user "nobody", or nothing when this
// process cannot become that user.
std::optional<RenameOutcome> RenameAsNobody(const QString& folder, const QString& oldName,
                                            const QString& newName) {
    const std::optional<QByteArray> report = miravel::test::RunAsNobody([&] {
        const RenameOutcome outcome = FileSystem().RenameInFolder(folder, oldName, newName);
        return QByteArray::number(int(outcome.kind)) + '\n' + outcome.error.toUtf8();
    });
    if (!report)
        return std::nullopt;
    const qsizetype newline = report->indexOf('\n');
    if (newline < 0)
        return RenameOutcome{Kind::Failed, QString::fromUtf8(*report)};
    return RenameOutcome{Kind(report->left(newline).toInt()),
                         QString::fromUtf8(report->mid(newline + 1))};
}

}  // namespace

class FileSystemRenameTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void RenamesAndKeepsTheFile_data();
    void RenamesAndKeepsTheFile();
    void NeverReplacesAnExistingTarget_data();
    void NeverReplacesAnExistingTarget();
    void NeverReplacesATargetThatAppearsAtTheLastMoment_data();
    void NeverReplacesATargetThatAppearsAtTheLastMoment();
    void LinkFallbackLosesNoFileInARace_data();
    void LinkFallbackLosesNoFileInARace();
    void RefusesUnusableNames_data();
    void RefusesUnusableNames();
    void FindsNothingToDo_data();
    void FindsNothingToDo();
    void ReportsAVanishedFileOrFolder_data();
    void ReportsAVanishedFileOrFolder();
    void RenamesOnlyFilesAsFiles_data();
    void RenamesOnlyFilesAsFiles();
    void RefusesWhereHardLinksAreImpossible();
    void ReadOnlyFolderChangesNothing();
    void ReadOnlyMountChangesNothing();
    void TemporaryNameRoundTrip_data();
    void TemporaryNameRoundTrip();
};

void FileSystemRenameTest::RenamesAndKeepsTheFile_data() {
    QTest::addColumn<QString>("newName");
    QTest::addColumn<bool>("noReplaceUnsupported");
    QTest::addColumn<bool>("inodePerName");
    const struct {
        bool unsupported;
        bool perName;
        const char* how;
    } ways[] = {{false, false, ""},
                {true, false, ", link and unlink"},
                {true, true, ", link and unlink, inode numbers per name"}};
    for (const auto& way : ways) {
        const char* how = way.how;
        auto row = [&](const char* what, const QString& newName) {
            QTest::addRow("%s%s", what, how) << newName << way.unsupported << way.perName;
        };
        row("plain", "note.txt");
        row("japanese with U+3000 and U+FF0C", QStringLiteral("第9話\u3000前編\uFF0C.txt"));
        row("emoji", QString::fromUtf8("😀 memo.txt"));
        row("bytes that are not UTF-8", DecodeFileName("caf\xe9.txt"));
        row("leading and trailing blanks kept", " memo.txt ");
        row("255 bytes", QString(251, u'n') + ".txt");
        row("case only", "Memo.TXT");
    }
}

void FileSystemRenameTest::RenamesAndKeepsTheFile() {
    QFETCH(QString, newName);
    QFETCH(bool, noReplaceUnsupported);
    QFETCH(bool, inodePerName);
    TempFolder folder;
    folder.MakeFile("memo.txt", 5000, "memo");
    QVERIFY(::setxattr(Encoded(folder, "memo.txt").constData(), "user.origin", "test", 4, 0) == 0 ||
            errno == ENOTSUP);
    const bool hasXattr = errno != ENOTSUP;
    const struct stat before = LinkStatus(folder, "memo.txt");

    FileSystem fs;
    fs.simulateNoReplaceUnsupported = noReplaceUnsupported;
    fs.simulateInodePerName = inodePerName;
    const RenameOutcome outcome = fs.RenameFileInFolder(folder.path(), "memo.txt", newName);
    QCOMPARE(outcome.kind, Kind::Renamed);
    QVERIFY(outcome.Succeeded());
    QVERIFY(outcome.error.isEmpty());
    QVERIFY(outcome.identity);
    QCOMPARE(outcome.identity, fs.IdentityOf(folder.path(), newName));

    QCOMPARE(fs.ListFiles(folder.path(), WildcardPattern("*")).files.size(), std::size_t(1));
    QCOMPARE(fs.ListFiles(folder.path(), WildcardPattern("*")).files.front().name, newName);
    const struct stat after = LinkStatus(folder, newName);
    QCOMPARE(after.st_ino, before.st_ino);
    QCOMPARE(after.st_size, before.st_size);
    QCOMPARE(after.st_mtim.tv_sec, before.st_mtim.tv_sec);
    QCOMPARE(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);
    QCOMPARE(after.st_nlink, before.st_nlink);
    QCOMPARE(RawContent(folder, newName), QByteArray("memo").repeated(1250));
    if (hasXattr) {
        char value[16] = {};
        QCOMPARE(
            ::getxattr(Encoded(folder, newName).constData(), "user.origin", value, sizeof value),
            ssize_t(4));
        QCOMPARE(QByteArray(value), QByteArray("test"));
    }
}

void FileSystemRenameTest::NeverReplacesAnExistingTarget_data() {
    QTest::addColumn<QString>("target");  // file, folder, dangling, link
    QTest::addColumn<bool>("noReplaceUnsupported");
    for (bool unsupported : {false, true}) {
        const char* how = unsupported ? ", link and unlink" : "";
        QTest::addRow("file%s", how) << "file" << unsupported;
        QTest::addRow("folder%s", how) << "folder" << unsupported;
        QTest::addRow("dangling symbolic link%s", how) << "dangling" << unsupported;
        QTest::addRow("link to another file%s", how) << "link" << unsupported;
    }
}

void FileSystemRenameTest::NeverReplacesAnExistingTarget() {
    QFETCH(QString, target);
    QFETCH(bool, noReplaceUnsupported);
    TempFolder folder;
    folder.MakeFile("a.txt", 100, "A");
    folder.MakeFile("other.txt", 50, "O");
    if (target == "file")
        folder.MakeFile("b.txt", 200, "B");
    if (target == "folder")
        folder.MakeFolder("b.txt");
    if (target == "dangling")
        QCOMPARE(::symlink("gone", Encoded(folder, "b.txt").constData()), 0);
    if (target == "link")
        QCOMPARE(::symlink("other.txt", Encoded(folder, "b.txt").constData()), 0);
    const QStringList namesBefore = folder.Names();
    const struct stat targetBefore = LinkStatus(folder, "b.txt");

    FileSystem fs;
    fs.simulateNoReplaceUnsupported = noReplaceUnsupported;
    const RenameOutcome outcome = fs.RenameInFolder(folder.path(), "a.txt", "b.txt");
    QCOMPARE(outcome.kind, Kind::Failed);
    QCOMPARE(outcome.error, SystemErrorText(EEXIST));
    QCOMPARE(folder.Names(), namesBefore);
    QCOMPARE(folder.Content("a.txt"), QByteArray(100, 'A'));
    QCOMPARE(folder.Content("other.txt"), QByteArray(50, 'O'));
    QCOMPARE(LinkStatus(folder, "b.txt").st_ino, targetBefore.st_ino);
    if (target == "file")
        QCOMPARE(folder.Content("b.txt"), QByteArray(200, 'B'));
}

void FileSystemRenameTest::NeverReplacesATargetThatAppearsAtTheLastMoment_data() {
    QTest::addColumn<bool>("noReplaceUnsupported");
    QTest::newRow("no-replace rename") << false;
    QTest::newRow("link and unlink") << true;
}

void FileSystemRenameTest::NeverReplacesATargetThatAppearsAtTheLastMoment() {
    QFETCH(bool, noReplaceUnsupported);
    TempFolder folder;
    folder.MakeFile("a.txt", 100, "A");
    FileSystem fs;
    fs.simulateNoReplaceUnsupported = noReplaceUnsupported;
    QStringList hookCalls;
    fs.beforeRenameHook = [&](const QString& oldPath, const QString& newPath) {
        hookCalls << oldPath << newPath;
        folder.MakeFile("b.txt", 300, "B");
    };
    const RenameOutcome outcome = fs.RenameInFolder(folder.path(), "a.txt", "b.txt");
    QCOMPARE(hookCalls, (QStringList{folder.FilePath("a.txt"), folder.FilePath("b.txt")}));
    QCOMPARE(outcome.kind, Kind::Failed);
    QCOMPARE(outcome.error, SystemErrorText(EEXIST));
    QCOMPARE(folder.Names(), (QStringList{"a.txt", "b.txt"}));
    QCOMPARE(folder.Content("a.txt"), QByteArray(100, 'A'));
    QCOMPARE(folder.Content("b.txt"), QByteArray(300, 'B'));
}

void FileSystemRenameTest::LinkFallbackLosesNoFileInARace_data() {
    // Another program acts between the hard link to b.txt and the removal of a.txt. Renamed
    // only where the new name holds the file and its old name is gone; no file ever lost.
    QTest::addColumn<bool>("inodePerName");
    QTest::addColumn<QString>("event");
    QTest::addColumn<bool>("renamed");
    QTest::addColumn<QStringList>("contents");  // name=content, sorted by name
    const QString kept = "old name kept";
    for (bool perName : {false, true}) {
        const char* numbers = perName ? "inode numbers per name" : "inode numbers per file";
        // With numbers per file the old name is provably another file's now; per name it
        // cannot be told from ours.
        QTest::addRow("old name taken by another file, %s", numbers)
            << perName << "a.txt" << !perName << QStringList{"a.txt=I", "b.txt=A"};
        QTest::addRow("old name moved away, %s", numbers)
            << perName << "moved" << true << QStringList{"away.txt=A", "b.txt=A"};
        QTest::addRow("new name taken by another file, %s", numbers)
            << perName << "b.txt" << false << QStringList{"a.txt=A", "b.txt=I"};
    }
}

void FileSystemRenameTest::LinkFallbackLosesNoFileInARace() {
    QFETCH(bool, inodePerName);
    QFETCH(QString, event);
    QFETCH(bool, renamed);
    QFETCH(QStringList, contents);
    TempFolder folder;
    folder.MakeFile("a.txt", 3, "A");
    FileSystem fs;
    fs.simulateNoReplaceUnsupported = true;
    fs.simulateInodePerName = inodePerName;
    fs.afterLinkHook = [&] {
        if (event == "moved") {
            QCOMPARE(::rename(Encoded(folder, "a.txt").constData(),
                              Encoded(folder, "away.txt").constData()),
                     0);
        } else {
            folder.MakeFile("intruder", 3, "I");
            QCOMPARE(::rename(Encoded(folder, "intruder").constData(),
                              Encoded(folder, event).constData()),
                     0);
        }
    };
    const RenameOutcome outcome = fs.RenameInFolder(folder.path(), "a.txt", "b.txt");
    QCOMPARE(outcome.kind, renamed ? Kind::Renamed : Kind::Failed);
    if (!renamed)
        QCOMPARE(outcome.error, platform_texts::OldNameKept.toString());
    QStringList found;
    for (const QString& name : folder.Names())
        found << name + "=" + QString::fromLatin1(folder.Content(name).left(1));
    QCOMPARE(found, contents);
}

void FileSystemRenameTest::RefusesUnusableNames_data() {
    QTest::addColumn<QString>("oldName");
    QTest::addColumn<QString>("newName");
    QTest::addColumn<QString>("error");
    QTest::addColumn<bool>("reachesTheSystem");
    QTest::newRow("empty") << "a.txt"
                           << "" << platform_texts::EmptyFileName.toString() << false;
    QTest::newRow("dot") << "a.txt"
                         << "." << platform_texts::DotFileName.toString() << false;
    QTest::newRow("dot dot") << "a.txt"
                             << ".." << platform_texts::DotFileName.toString() << false;
    QTest::newRow("slash") << "a.txt"
                           << "sub/b.txt" << platform_texts::SeparatorInFileName.toString()
                           << false;
    QTest::newRow("climbs out") << "a.txt"
                                << "../b.txt" << platform_texts::SeparatorInFileName.toString()
                                << false;
    QTest::newRow("NUL") << "a.txt" << QString("b.txt") + QChar(0) + "x"
                         << platform_texts::SeparatorInFileName.toString() << false;
    QTest::newRow("old name with a folder")
        << "sub/../a.txt"
        << "b.txt" << platform_texts::SeparatorInFileName.toString() << false;
    QTest::newRow("old name empty") << ""
                                    << "b.txt" << platform_texts::EmptyFileName.toString() << false;
    QTest::newRow("256 bytes") << "a.txt" << QString(252, u'n') + ".txt"
                               << SystemErrorText(ENAMETOOLONG) << true;
    QTest::newRow("256 bytes of multibyte characters")
        << "a.txt" << QString(85, u'字') + "x" << SystemErrorText(ENAMETOOLONG) << true;
}

void FileSystemRenameTest::RefusesUnusableNames() {
    QFETCH(QString, oldName);
    QFETCH(QString, newName);
    QFETCH(QString, error);
    QFETCH(bool, reachesTheSystem);
    TempFolder folder;
    folder.MakeFile("a.txt", 10, "A");
    folder.MakeFolder("sub");
    FileSystem fs;
    bool hookCalled = false;
    fs.beforeRenameHook = [&](const QString&, const QString&) { hookCalled = true; };
    const RenameOutcome outcome = fs.RenameInFolder(folder.path(), oldName, newName);
    QCOMPARE(outcome.kind, Kind::Failed);
    QCOMPARE(outcome.error, error);
    QVERIFY(!hookCalled || reachesTheSystem);
    QCOMPARE(folder.Names(), (QStringList{"a.txt", "sub"}));
    QCOMPARE(folder.Content("a.txt"), QByteArray(10, 'A'));
}

void FileSystemRenameTest::FindsNothingToDo_data() {
    QTest::addColumn<QString>("newName");
    QTest::addColumn<bool>("noReplaceUnsupported");
    QTest::newRow("same name") << "a.txt" << false;
    QTest::newRow("hard link of the same file") << "alias.txt" << false;
    QTest::newRow("hard link differing in case only") << "A.txt" << false;
    QTest::newRow("hard link, link and unlink") << "alias.txt" << true;
}

void FileSystemRenameTest::FindsNothingToDo() {
    QFETCH(QString, newName);
    QFETCH(bool, noReplaceUnsupported);
    TempFolder folder;
    folder.MakeFile("a.txt", 10, "A");
    QCOMPARE(::link(Encoded(folder, "a.txt").constData(), Encoded(folder, "alias.txt").constData()),
             0);
    QCOMPARE(::link(Encoded(folder, "a.txt").constData(), Encoded(folder, "A.txt").constData()), 0);
    FileSystem fs;
    fs.simulateNoReplaceUnsupported = noReplaceUnsupported;
    const RenameOutcome outcome = fs.RenameInFolder(folder.path(), "a.txt", newName);
    QCOMPARE(outcome.kind, Kind::NothingToDo);
    QVERIFY(!outcome.Succeeded());
    QCOMPARE(folder.Names(), (QStringList{"A.txt", "a.txt", "alias.txt"}));
    QCOMPARE(LinkStatus(folder, "a.txt").st_nlink, nlink_t(3));
}

void FileSystemRenameTest::ReportsAVanishedFileOrFolder_data() {
    QTest::addColumn<QString>("folderName");
    QTest::addColumn<QString>("oldName");
    QTest::addColumn<QString>("newName");
    QTest::addColumn<int>("error");
    QTest::newRow("file gone") << ""
                               << "gone.txt"
                               << "b.txt" << ENOENT;
    QTest::newRow("file gone, same name") << ""
                                          << "gone.txt"
                                          << "gone.txt" << ENOENT;
    QTest::newRow("folder gone") << "/gone"
                                 << "a.txt"
                                 << "b.txt" << ENOENT;
    QTest::newRow("folder is a file") << "/a.txt"
                                      << "a.txt"
                                      << "b.txt" << ENOTDIR;
}

void FileSystemRenameTest::ReportsAVanishedFileOrFolder() {
    QFETCH(QString, folderName);
    QFETCH(QString, oldName);
    QFETCH(QString, newName);
    QFETCH(int, error);
    TempFolder folder;
    folder.MakeFile("a.txt", 10, "A");
    const RenameOutcome outcome =
        FileSystem().RenameInFolder(folder.path() + folderName, oldName, newName);
    QCOMPARE(outcome.kind, Kind::Failed);
    QCOMPARE(outcome.error, SystemErrorText(error));
    QCOMPARE(folder.Names(), QStringList{"a.txt"});
}

// A folder, or a link to one, that has taken a file's name is left as it is.
void FileSystemRenameTest::RenamesOnlyFilesAsFiles_data() {
    QTest::addColumn<QString>("linkTo");  // what "old" is: a folder when empty, else a link
    QTest::addColumn<Kind>("kind");
    QTest::newRow("folder") << "" << Kind::Failed;
    QTest::newRow("link to a folder") << "sub" << Kind::Failed;
    QTest::newRow("link to a file") << "file.txt" << Kind::Renamed;
}

void FileSystemRenameTest::RenamesOnlyFilesAsFiles() {
    QFETCH(QString, linkTo);
    QFETCH(Kind, kind);
    TempFolder folder;
    folder.MakeFolder("sub");
    folder.MakeFile("file.txt", 3, "F");
    if (linkTo.isEmpty())
        folder.MakeFolder("old");
    else
        QCOMPARE(::symlink(linkTo.toUtf8().constData(), Encoded(folder, "old").constData()), 0);
    FileSystem fs;
    const RenameOutcome outcome = fs.RenameFileInFolder(folder.path(), "old", "new");
    QCOMPARE(outcome.kind, kind);
    if (kind == Kind::Failed) {
        QCOMPARE(outcome.error, SystemErrorText(EISDIR));
        QVERIFY(QFileInfo::exists(folder.FilePath("old")));
    } else {
        QCOMPARE(outcome.identity, fs.IdentityOf(folder.path(), "new"));
        QCOMPARE(QFileInfo(folder.FilePath("new")).symLinkTarget(), folder.FilePath(linkTo));
    }
}

void FileSystemRenameTest::RefusesWhereHardLinksAreImpossible() {
    // Folders cannot be hard-linked anywhere, which stands in for a file system without
    // hard links: the fallback must refuse rather than copy or replace.
    TempFolder folder;
    folder.MakeFolder("old");
    folder.MakeFile("old/inside.txt", 10, "I");
    FileSystem fs;
    fs.simulateNoReplaceUnsupported = true;
    const RenameOutcome outcome = fs.RenameInFolder(folder.path(), "old", "new");
    QCOMPARE(outcome.kind, Kind::Failed);
    QCOMPARE(outcome.error, platform_texts::NoSafeRename.toString().arg(SystemErrorText(EPERM)));
    QCOMPARE(folder.Names(), QStringList{"old"});
    QCOMPARE(folder.Content("old/inside.txt"), QByteArray(10, 'I'));
}

void FileSystemRenameTest::ReadOnlyFolderChangesNothing() {
    TempFolder folder;
    folder.MakeFolder("locked");
    folder.MakeFile("locked/a.txt", 10, "A");
    QCOMPARE(::chmod(Encoded(folder, "").constData(), 0755), 0);
    QCOMPARE(::chmod(Encoded(folder, "locked").constData(), 0555), 0);
    const std::optional<RenameOutcome> outcome =
        RenameAsNobody(folder.FilePath("locked"), "a.txt", "b.txt");
    ::chmod(Encoded(folder, "locked").constData(), 0755);
    if (!outcome)
        QSKIP("cannot run as an unprivileged user here");
    QCOMPARE(outcome->kind, Kind::Failed);
    QCOMPARE(outcome->error, SystemErrorText(EACCES));
    QCOMPARE(folder.Names(), QStringList{"locked"});
    QCOMPARE(folder.Content("locked/a.txt"), QByteArray(10, 'A'));
    QVERIFY(!folder.Exists("locked/b.txt"));
}

void FileSystemRenameTest::ReadOnlyMountChangesNothing() {
    if (::geteuid() != 0)
        QSKIP("mounting needs root");
    TempFolder folder;
    folder.MakeFolder("mount");
    const QByteArray point = Encoded(folder, "mount");
    if (::mount("tmpfs", point.constData(), "tmpfs", 0, "size=64k") != 0)
        QSKIP("cannot mount a tmpfs here");
    {
        TempFolder* keep = &folder;
        auto unmount = qScopeGuard([&] { ::umount2(EncodeFileName(keep->FilePath("mount")), 0); });
        folder.MakeFile("mount/a.txt", 10, "A");
        QCOMPARE(::mount("tmpfs", point.constData(), nullptr, MS_REMOUNT | MS_RDONLY, "size=64k"),
                 0);
        for (bool unsupported : {false, true}) {
            FileSystem fs;
            fs.simulateNoReplaceUnsupported = unsupported;
            const RenameOutcome outcome =
                fs.RenameInFolder(folder.FilePath("mount"), "a.txt", "b.txt");
            QCOMPARE(outcome.kind, Kind::Failed);
            QCOMPARE(outcome.error, SystemErrorText(EROFS));
            QCOMPARE(folder.Content("mount/a.txt"), QByteArray(10, 'A'));
            QVERIFY(!folder.Exists("mount/b.txt"));
        }
    }
}

void FileSystemRenameTest::TemporaryNameRoundTrip_data() {
    QTest::addColumn<bool>("targetExists");
    QTest::addColumn<bool>("noReplaceUnsupported");
    QTest::newRow("renamed") << false << false;
    QTest::newRow("renamed, link and unlink") << false << true;
    QTest::newRow("second step fails, rolled back") << true << false;
    QTest::newRow("second step fails, link and unlink, rolled back") << true << true;
}

void FileSystemRenameTest::TemporaryNameRoundTrip() {
    // The path case-only renames take on file systems that ignore case; here it runs on an
    // ordinary folder so both of its endings can be forced.
    QFETCH(bool, targetExists);
    QFETCH(bool, noReplaceUnsupported);
    TempFolder folder;
    folder.MakeFile("memo.txt", 10, "M");
    if (targetExists)
        folder.MakeFile("Memo.txt", 20, "T");
    const bool hasXattr =
        ::setxattr(Encoded(folder, "memo.txt").constData(), "user.origin", "test", 4, 0) == 0;
    const struct stat before = LinkStatus(folder, "memo.txt");
    const ino_t inode = before.st_ino;
    const int folderFd = ::open(Encoded(folder, "").constData(), O_RDONLY | O_DIRECTORY);
    QVERIFY(folderFd >= 0);
    RenameSeams seams;
    seams.noReplaceUnsupported = noReplaceUnsupported;
    const RenameOutcome outcome = RenameViaTemporaryName(folderFd, "memo.txt", "Memo.txt", seams);
    ::close(folderFd);
    if (targetExists) {
        QCOMPARE(outcome.kind, Kind::Failed);
        QCOMPARE(outcome.error, SystemErrorText(EEXIST));
        QCOMPARE(folder.Names(), (QStringList{"Memo.txt", "memo.txt"}));
        QCOMPARE(folder.Content("memo.txt"), QByteArray(10, 'M'));
        QCOMPARE(folder.Content("Memo.txt"), QByteArray(20, 'T'));
        QCOMPARE(LinkStatus(folder, "memo.txt").st_ino, inode);
    } else {
        QCOMPARE(outcome.kind, Kind::Renamed);
        QCOMPARE(folder.Names(), QStringList{"Memo.txt"});
        const struct stat after = LinkStatus(folder, "Memo.txt");
        QCOMPARE(after.st_ino, inode);
        QCOMPARE(after.st_mtim.tv_sec, before.st_mtim.tv_sec);
        QCOMPARE(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);
        QCOMPARE(folder.Content("Memo.txt"), QByteArray(10, 'M'));
        if (hasXattr) {
            char value[16] = {};
            QCOMPARE(::getxattr(Encoded(folder, "Memo.txt").constData(), "user.origin", value,
                                sizeof value),
                     ssize_t(4));
            QCOMPARE(QByteArray(value), QByteArray("test"));
        }
    }
}

QTEST_GUILESS_MAIN(FileSystemRenameTest)
#include "tst_filesystemrename.moc"
