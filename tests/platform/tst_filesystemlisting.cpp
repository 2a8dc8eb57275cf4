#include <sys/stat.h>
#include <unistd.h>
#include <QDateTime>
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

const QByteArray kLatin1Name = "caf\xe9.txt";  // not valid UTF-8
constexpr qint64 kSparseSize = 3LL * 1024 * 1024 * 1024 + 5;

QStringList SortedNames(const FolderListing& listing) {
    QStringList names;
    for (const ListedFile& file : listing.files)
        names << file.name;
    names.sort();
    return names;
}

const ListedFile* Find(const FolderListing& listing, const QString& name) {
    auto it = std::find_if(listing.files.begin(), listing.files.end(),
                           [&](const ListedFile& file) { return file.name == name; });
    return it == listing.files.end() ? nullptr : &*it;
}

}  // namespace

class FileSystemListingTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void initTestCase();
    void ListsFilesByPattern_data();
    void ListsFilesByPattern();
    void ReportsSizesAndTimes_data();
    void ReportsSizesAndTimes();
    void EmptyFolderListsNothing();
    void UnreadableFolderGivesTheSystemText_data();
    void UnreadableFolderGivesTheSystemText();
    void ListsSubFolders();
    void AnswersExistence_data();
    void AnswersExistence();
    void TellsTheSameFile_data();
    void TellsTheSameFile();
    void NonUtf8NameKeepsItsBytesThroughARename();

  private:
    TempFolder folder_;
    FileSystem fs_;
};

void FileSystemListingTest::initTestCase() {
    folder_.MakeFile("a.txt", 1025);
    folder_.MakeFile("B.TXT", 0);
    folder_.MakeFile("README", 1);
    folder_.MakeFile(".hidden", 10);
    folder_.MakeFile("第9話.mp4", 1024);
    folder_.MakeFile("big.mkv", kSparseSize);
    folder_.MakeFileRaw(kLatin1Name, 3);
    folder_.MakeFolder("sub.txt");
    QCOMPARE(::symlink("a.txt", QFile::encodeName(folder_.FilePath("link.txt")).constData()), 0);
    QCOMPARE(::symlink("gone.txt", QFile::encodeName(folder_.FilePath("dangling.txt")).constData()),
             0);
    QCOMPARE(::symlink("sub.txt", QFile::encodeName(folder_.FilePath("sublink")).constData()), 0);
    QCOMPARE(::mkfifo(QFile::encodeName(folder_.FilePath("pipe.txt")).constData(), 0600), 0);
    folder_.SetModified("a.txt", QDateTime::fromSecsSinceEpoch(1588294800));  // 2020-05-01
}

void FileSystemListingTest::ListsFilesByPattern_data() {
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QStringList>("names");
    const QString latin1 = DecodeFileName(kLatin1Name);
    QStringList all{".hidden", "B.TXT", "README",   "a.txt",
                    "big.mkv", latin1,  "link.txt", "第9話.mp4"};
    all.sort();
    QTest::newRow("every file, no folders, links or pipes") << "*.*" << all;
    QTest::newRow("empty pattern") << "" << all;
    QStringList texts{"B.TXT", "a.txt", latin1, "link.txt"};
    texts.sort();
    QTest::newRow("extension in any case") << "*.txt" << texts;
    QTest::newRow("alternatives") << "*.mkv; readme" << QStringList{"README", "big.mkv"};
    QTest::newRow("dot files") << ".*" << QStringList{".hidden"};
    QTest::newRow("japanese") << "第?話.*" << QStringList{"第9話.mp4"};
    QTest::newRow("nothing") << "*.zip" << QStringList{};
}

void FileSystemListingTest::ListsFilesByPattern() {
    QFETCH(QString, pattern);
    QFETCH(QStringList, names);
    const FolderListing listing = fs_.ListFiles(folder_.path(), WildcardPattern(pattern));
    QVERIFY(listing.ok);
    QVERIFY(listing.error.isEmpty());
    QCOMPARE(SortedNames(listing), names);
}

void FileSystemListingTest::ReportsSizesAndTimes_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<qint64>("size");
    QTest::newRow("empty file") << "B.TXT" << qint64(0);
    QTest::newRow("1025 bytes") << "a.txt" << qint64(1025);
    QTest::newRow("sparse file above 2 GiB") << "big.mkv" << kSparseSize;
    QTest::newRow("link gives its target's size") << "link.txt" << qint64(1025);
}

void FileSystemListingTest::ReportsSizesAndTimes() {
    QFETCH(QString, name);
    QFETCH(qint64, size);
    const FolderListing listing = fs_.ListFiles(folder_.path(), WildcardPattern("*"));
    const ListedFile* file = Find(listing, name);
    QVERIFY(file);
    QCOMPARE(file->stat.size, size);
    struct stat st;
    QCOMPARE(::stat(QFile::encodeName(folder_.FilePath(name)).constData(), &st), 0);
    QCOMPARE(file->stat.modifiedSecs, qint64(st.st_mtime));
    QVERIFY(file->stat.createdSecs > 0);
    QCOMPARE(fs_.StatFile(folder_.FilePath(name))->size, size);
}

void FileSystemListingTest::EmptyFolderListsNothing() {
    TempFolder empty;
    const FolderListing listing = fs_.ListFiles(empty.path(), WildcardPattern("*.*"));
    QVERIFY(listing.ok);
    QVERIFY(listing.files.empty());
    QCOMPARE(fs_.FolderAccessError(empty.path()), QString());
}

void FileSystemListingTest::UnreadableFolderGivesTheSystemText_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("error");
    QTest::newRow("missing") << "no such folder" << ENOENT;
    QTest::newRow("a file") << "a.txt" << ENOTDIR;
    QTest::newRow("a NUL in the path") << QString("sub.txt") + QChar(0) << EINVAL;
}

void FileSystemListingTest::UnreadableFolderGivesTheSystemText() {
    QFETCH(QString, name);
    QFETCH(int, error);
    const FolderListing listing = fs_.ListFiles(folder_.FilePath(name), WildcardPattern("*.*"));
    QVERIFY(!listing.ok);
    QCOMPARE(listing.error, SystemErrorText(error));
    QVERIFY(!listing.error.isEmpty());
    QVERIFY(listing.files.empty());
    QCOMPARE(fs_.FolderAccessError(folder_.FilePath(name)), SystemErrorText(error));
    QVERIFY(fs_.ListFolders(folder_.FilePath(name)).isEmpty());
}

void FileSystemListingTest::ListsSubFolders() {
    QStringList names = fs_.ListFolders(folder_.path());
    names.sort();
    QCOMPARE(names, (QStringList{"sub.txt", "sublink"}));
}

void FileSystemListingTest::AnswersExistence_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("isFile");
    QTest::addColumn<bool>("isFolder");
    QTest::newRow("file") << "a.txt" << true << false;
    QTest::newRow("non-UTF-8 file") << DecodeFileName(kLatin1Name) << true << false;
    QTest::newRow("folder") << "sub.txt" << false << true;
    QTest::newRow("link to a file") << "link.txt" << true << false;
    QTest::newRow("link to a folder") << "sublink" << false << true;
    QTest::newRow("dangling link") << "dangling.txt" << false << false;
    QTest::newRow("pipe") << "pipe.txt" << false << false;
    QTest::newRow("missing") << "nothing.txt" << false << false;
    QTest::newRow("NUL cuts no path short")
        << QString("sub.txt") + QChar(0) + "x" << false << false;
}

void FileSystemListingTest::AnswersExistence() {
    QFETCH(QString, name);
    QFETCH(bool, isFile);
    QFETCH(bool, isFolder);
    QCOMPARE(fs_.FileExists(folder_.FilePath(name)), isFile);
    QCOMPARE(fs_.FolderExists(folder_.FilePath(name)), isFolder);
    QCOMPARE(fs_.StatFile(folder_.FilePath(name)).has_value(), isFile);
}

void FileSystemListingTest::TellsTheSameFile_data() {
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<bool>("same");
    QTest::newRow("one path") << "a.txt"
                              << "a.txt" << true;
    QTest::newRow("hard link") << "a.txt"
                               << "hard.txt" << true;
    QTest::newRow("other file") << "a.txt"
                                << "B.TXT" << false;
    QTest::newRow("other case, case-sensitive folder") << "a.txt"
                                                       << "A.txt" << false;
    QTest::newRow("symbolic link is its own entry") << "a.txt"
                                                    << "link.txt" << false;
    QTest::newRow("missing") << "gone.txt"
                             << "gone.txt" << false;
}

void FileSystemListingTest::TellsTheSameFile() {
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(bool, same);
    TempFolder folder;
    folder.MakeFile("a.txt");
    folder.MakeFile("B.TXT");
    QCOMPARE(::link(QFile::encodeName(folder.FilePath("a.txt")).constData(),
                    QFile::encodeName(folder.FilePath("hard.txt")).constData()),
             0);
    QCOMPARE(::symlink("a.txt", QFile::encodeName(folder.FilePath("link.txt")).constData()), 0);
    QCOMPARE(fs_.IsSameFile(folder.FilePath(a), folder.FilePath(b)), same);
}

void FileSystemListingTest::NonUtf8NameKeepsItsBytesThroughARename() {
    TempFolder folder;
    folder.MakeFileRaw("\xe9t\xe9.txt", 7);
    const FolderListing listing = fs_.ListFiles(folder.path(), WildcardPattern("*.txt"));
    QCOMPARE(listing.files.size(), std::size_t(1));
    const QString name = listing.files.front().name;
    QCOMPARE(listing.files.front().stat.size, qint64(7));

    const QString renamed = name.left(name.size() - 4) + "_v2.txt";
    QCOMPARE(fs_.RenameInFolder(folder.path(), name, renamed).kind, RenameOutcome::Kind::Renamed);
    const QByteArray path = QFile::encodeName(folder.path()) + "/\xe9t\xe9_v2.txt";
    struct stat st;
    QCOMPARE(::lstat(path.constData(), &st), 0);
    QCOMPARE(qint64(st.st_size), qint64(7));
    QCOMPARE(SortedNames(fs_.ListFiles(folder.path(), WildcardPattern("*"))), QStringList{renamed});
}

QTEST_GUILESS_MAIN(FileSystemListingTest)
#include "tst_filesystemlisting.moc"
