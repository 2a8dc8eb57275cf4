#include <sys/stat.h>
#include <unistd.h>
#include <QTest>
#include <algorithm>
#include <cerrno>

#include "files/WildcardPattern.h"
#include "platform/FileNameCodec.h"
#include "platform/FileSystem.h"
#include "platform/SystemErrorText.h"
#include "support/TempFolder.h"

using namespace miravel;
using miravel::test::TempFolder;

namespace {

using Kind = EntryStatus::Kind;

QStringList SortedNames(const std::vector<ListedFile>& files) {
    QStringList names;
    for (const ListedFile& file : files)
        names << file.name + "|" + QString::number(file.stat.size) + "|" +
                     QString::number(file.stat.modifiedSecs) + "|" +
                     QString::number(file.stat.createdSecs);
    names.sort();
    return names;
}

QStringList Sorted(QStringList names) {
    names.sort();
    return names;
}

void Symlink(const TempFolder& folder, const char* target, const QString& name) {
    QCOMPARE(::symlink(target, QFile::encodeName(folder.FilePath(name)).constData()), 0);
}

}  // namespace

class FolderReadTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void initTestCase();
    void OnePassAgreesWithTheSeparateListings_data();
    void OnePassAgreesWithTheSeparateListings();
    void UnreadableFolderGivesTheSystemText_data();
    void UnreadableFolderGivesTheSystemText();
    void TellsWhatEachEntryIsNow_data();
    void TellsWhatEachEntryIsNow();

  private:
    TempFolder folder_;
};

void FolderReadTest::initTestCase() {
    folder_.MakeFile("a.txt", 1025);
    folder_.MakeFile(".hidden", 3);
    folder_.MakeFileRaw("caf\xe9.txt", 2);
    folder_.MakeFolder("sub");
    folder_.MakeFolder(".hiddensub");
    Symlink(folder_, "a.txt", "link.txt");
    Symlink(folder_, "sub", "sublink");
    Symlink(folder_, "gone", "dangling");
    QCOMPARE(::mkfifo(QFile::encodeName(folder_.FilePath("pipe")).constData(), 0600), 0);
    // Enough entries for the stat calls to be shared out among threads.
    for (int i = 0; i < 9000; ++i)
        folder_.MakeFileRaw("f" + QByteArray::number(i) + ".jpg", i % 7);
}

void FolderReadTest::OnePassAgreesWithTheSeparateListings_data() {
    QTest::addColumn<int>("threads");
    QTest::newRow("one thread") << 1;
    QTest::newRow("two threads") << 2;
    QTest::newRow("more threads than cores") << 5;
}

void FolderReadTest::OnePassAgreesWithTheSeparateListings() {
    QFETCH(int, threads);
    FileSystem fs;
    fs.listingThreads = threads;
    const FolderContents contents = fs.ReadFolder(folder_.path());
    QVERIFY(contents.ok);
    QVERIFY(contents.error.isEmpty());
    const FolderListing files = fs.ListFiles(folder_.path(), WildcardPattern("*"));
    QCOMPARE(contents.files.size(), std::size_t(9004));
    QCOMPARE(SortedNames(contents.files), SortedNames(files.files));
    QCOMPARE(Sorted(contents.folders), (QStringList{".hiddensub", "sub", "sublink"}));
    QCOMPARE(Sorted(contents.folders), Sorted(fs.ListFolders(folder_.path())));
}

void FolderReadTest::UnreadableFolderGivesTheSystemText_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("error");
    QTest::newRow("missing") << "no such folder" << ENOENT;
    QTest::newRow("a file") << "a.txt" << ENOTDIR;
    QTest::newRow("a NUL in the path") << QString("sub") + QChar(0) << EINVAL;
}

void FolderReadTest::UnreadableFolderGivesTheSystemText() {
    QFETCH(QString, name);
    QFETCH(int, error);
    const FolderContents contents = FileSystem().ReadFolder(folder_.FilePath(name));
    QVERIFY(!contents.ok);
    QCOMPARE(contents.error, SystemErrorText(error));
    QVERIFY(contents.files.empty());
    QVERIFY(contents.folders.isEmpty());
}

void FolderReadTest::TellsWhatEachEntryIsNow_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("kind");
    QTest::addColumn<qint64>("size");
    QTest::newRow("file") << "a.txt" << int(Kind::File) << qint64(1025);
    QTest::newRow("non-UTF-8 name")
        << DecodeFileName("caf\xe9.txt") << int(Kind::File) << qint64(2);
    QTest::newRow("link to a file") << "link.txt" << int(Kind::File) << qint64(1025);
    QTest::newRow("folder") << "sub" << int(Kind::Folder) << qint64(0);
    QTest::newRow("link to a folder") << "sublink" << int(Kind::Folder) << qint64(0);
    QTest::newRow("pipe") << "pipe" << int(Kind::Other) << qint64(0);
    QTest::newRow("dangling link") << "dangling" << int(Kind::Missing) << qint64(0);
    QTest::newRow("missing") << "nothing" << int(Kind::Missing) << qint64(0);
    QTest::newRow("a path, not a name") << "sub/../a.txt" << int(Kind::Missing) << qint64(0);
    QTest::newRow("parent") << ".." << int(Kind::Missing) << qint64(0);
    QTest::newRow("NUL") << QString("a.txt") + QChar(0) + "x" << int(Kind::Missing) << qint64(0);
}

void FolderReadTest::TellsWhatEachEntryIsNow() {
    QFETCH(QString, name);
    QFETCH(int, kind);
    QFETCH(qint64, size);
    const std::vector<EntryStatus> statuses =
        FileSystem().StatEntries(folder_.path(), {"f1.jpg", name});
    QCOMPARE(statuses.size(), std::size_t(2));
    QCOMPARE(int(statuses[0].kind), int(Kind::File));
    QCOMPARE(int(statuses[1].kind), kind);
    QCOMPARE(statuses[1].stat.size, size);
}

QTEST_GUILESS_MAIN(FolderReadTest)
#include "tst_folderread.moc"
