#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTest>

#include "files/LiveListing.h"
#include "platform/FileSystem.h"
#include "platform/FolderWatcher.h"
#include "support/TempFolder.h"

using namespace miravel;
using miravel::test::TempFolder;

namespace {

// The real adapter, with notifications that can be withheld and a hand on the last watcher.
class WatchedFileSystem : public FileSystem {
  public:
    bool notifications = true;
    mutable FolderWatcher* lastWatcher = nullptr;

    std::unique_ptr<FolderWatcher> WatchFolder(const QString& folder) const override {
        if (!notifications)
            return nullptr;
        std::unique_ptr<FolderWatcher> watcher = FileSystem::WatchFolder(folder);
        lastWatcher = watcher.get();
        return watcher;
    }
};

enum class Action {
    Create,
    Delete,
    RenameWithin,
    RenameIn,
    RenameOut,
    Write,
    MakeFolder,
    RemoveFolder,
    FileBecomesFolder
};

// Everything a listing holds, in its order, as one comparable list.
QStringList Contents(const LiveListing& listing) {
    QStringList lines;
    for (const ListingEntry& entry : listing.Entries())
        lines << QStringLiteral("%1|%2|%3|%4|%5")
                     .arg(entry.name)
                     .arg(entry.size)
                     .arg(entry.created.ToText(), entry.modified.ToText(),
                          listing.TypeText(entry.type));
    for (const QString& folder : listing.Folders())
        lines << QStringLiteral("folder|") + folder;
    return lines;
}

QStringList FreshContents(const QString& folder) {
    FileSystem fs;
    LiveListing fresh(fs);
    fresh.Open(folder);
    return Contents(fresh);
}

bool Rename(const QString& from, const QString& to) {
    return ::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

// The changes told since the spy began, resets left out, each list sorted.
ListingChange Gathered(const QSignalSpy& spy) {
    ListingChange all;
    for (const QList<QVariant>& call : spy) {
        const auto change = call.at(0).value<ListingChange>();
        all.reset = all.reset || change.reset;
        all.added << change.added;
        all.removed << change.removed;
        all.changed << change.changed;
        all.foldersChanged = all.foldersChanged || change.foldersChanged;
    }
    all.added.sort();
    all.removed.sort();
    all.changed.sort();
    return all;
}

}  // namespace

class LiveListingTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void init();
    void ReadsOnceInNameOrder();
    void FollowsTheFolder_data();
    void FollowsTheFolder();
    void KeepsUpWithABurstOfCreations();
    void ReadsAgainWhenNotificationsAreLost();
    void EmptiesWhenTheFolderIsRemoved();
    void RefreshCatchesUpWithoutNotifications();

  private:
    std::unique_ptr<TempFolder> folder_;
    std::unique_ptr<TempFolder> outside_;
};

void LiveListingTest::init() {
    folder_ = std::make_unique<TempFolder>();
    outside_ = std::make_unique<TempFolder>();
    for (const char* name :
         {"ep2.txt", "ep10.txt", "EP3.txt", "Café.txt", "café.txt", "写真1.jpg", "old.txt"})
        folder_->MakeFile(QString::fromUtf8(name), 3);
    folder_->MakeFolder("dir");
    outside_->MakeFile("came.jpg", 5);
}

void LiveListingTest::ReadsOnceInNameOrder() {
    FileSystem fs;
    LiveListing listing(fs);
    QSignalSpy spy(&listing, &LiveListing::Changed);
    listing.Open(folder_->path());
    QCOMPARE(spy.size(), 1);
    QVERIFY(spy.at(0).at(0).value<ListingChange>().reset);
    QVERIFY(listing.IsRead());
    QVERIFY(listing.IsWatched());
    QStringList names;
    for (const ListingEntry& entry : listing.Entries())
        names << entry.name;
    QCOMPARE(names, (QStringList{"Café.txt", "café.txt", "ep2.txt", "EP3.txt", "ep10.txt",
                                 "old.txt", "写真1.jpg"}));
    QCOMPARE(listing.Folders(), QStringList{"dir"});
    QCOMPARE(listing.IndexOf("EP3.txt"), 3);
    QCOMPARE(listing.IndexOf("ep3.txt"), -1);
}

void LiveListingTest::FollowsTheFolder_data() {
    QTest::addColumn<int>("action");
    QTest::addColumn<QStringList>("added");
    QTest::addColumn<QStringList>("removed");
    QTest::addColumn<QStringList>("changed");
    QTest::addColumn<bool>("foldersChanged");
    const QStringList none;
    QTest::newRow("created") << int(Action::Create) << QStringList{"ep9.txt"} << none << none
                             << false;
    QTest::newRow("deleted") << int(Action::Delete) << none << QStringList{"old.txt"} << none
                             << false;
    QTest::newRow("renamed within") << int(Action::RenameWithin) << QStringList{"ep11.txt"}
                                    << QStringList{"old.txt"} << none << false;
    QTest::newRow("moved in") << int(Action::RenameIn) << QStringList{"came.jpg"} << none << none
                              << false;
    QTest::newRow("moved out") << int(Action::RenameOut) << none << QStringList{"old.txt"} << none
                               << false;
    QTest::newRow("written") << int(Action::Write) << none << none << QStringList{"old.txt"}
                             << false;
    QTest::newRow("folder made") << int(Action::MakeFolder) << none << none << none << true;
    QTest::newRow("folder removed") << int(Action::RemoveFolder) << none << none << none << true;
    QTest::newRow("file replaced by a folder")
        << int(Action::FileBecomesFolder) << none << QStringList{"old.txt"} << none << true;
}

void LiveListingTest::FollowsTheFolder() {
    QFETCH(int, action);
    QFETCH(QStringList, added);
    QFETCH(QStringList, removed);
    QFETCH(QStringList, changed);
    QFETCH(bool, foldersChanged);
    FileSystem fs;
    LiveListing listing(fs);
    listing.Open(folder_->path());
    QSignalSpy spy(&listing, &LiveListing::Changed);

    switch (Action(action)) {
        case Action::Create:
            folder_->MakeFile("ep9.txt", 1);
            break;
        case Action::Delete:
            QVERIFY(QFile::remove(folder_->FilePath("old.txt")));
            break;
        case Action::RenameWithin:
            QVERIFY(Rename(folder_->FilePath("old.txt"), folder_->FilePath("ep11.txt")));
            break;
        case Action::RenameIn:
            QVERIFY(Rename(outside_->FilePath("came.jpg"), folder_->FilePath("came.jpg")));
            break;
        case Action::RenameOut:
            QVERIFY(Rename(folder_->FilePath("old.txt"), outside_->FilePath("went.txt")));
            break;
        case Action::Write:
            folder_->MakeFile("old.txt", 5000);
            break;
        case Action::MakeFolder:
            folder_->MakeFolder("new folder");
            break;
        case Action::RemoveFolder:
            QVERIFY(QDir(folder_->path()).rmdir("dir"));
            break;
        case Action::FileBecomesFolder:
            QVERIFY(QFile::remove(folder_->FilePath("old.txt")));
            folder_->MakeFolder("old.txt");
            break;
    }
    QTRY_COMPARE(Contents(listing), FreshContents(folder_->path()));
    const ListingChange told = Gathered(spy);
    QVERIFY(!told.reset);
    QCOMPARE(told.added, added);
    QCOMPARE(told.removed, removed);
    QCOMPARE(told.changed, changed);
    QCOMPARE(told.foldersChanged, foldersChanged);
}

void LiveListingTest::KeepsUpWithABurstOfCreations() {
    FileSystem fs;
    LiveListing listing(fs);
    listing.Open(folder_->path());
    for (int i = 0; i < 10000; ++i)
        folder_->MakeFileRaw("burst " + QByteArray::number(i) + ".jpg", i % 3);
    QTRY_COMPARE_WITH_TIMEOUT(listing.Entries().size(), std::size_t(10007), 30000);
    QCOMPARE(Contents(listing), FreshContents(folder_->path()));
}

void LiveListingTest::ReadsAgainWhenNotificationsAreLost() {
    WatchedFileSystem fs;
    LiveListing listing(fs);
    listing.Open(folder_->path());
    QVERIFY(fs.lastWatcher);
    QSignalSpy spy(&listing, &LiveListing::Changed);
    fs.notifications = false;  // what happens next is known only from reading again
    folder_->MakeFile("unseen.txt", 1);
    fs.lastWatcher->InjectOverflow();
    QTRY_VERIFY(Gathered(spy).reset);
    QVERIFY(listing.IndexOf("unseen.txt") >= 0);
    QCOMPARE(Contents(listing), FreshContents(folder_->path()));
}

void LiveListingTest::EmptiesWhenTheFolderIsRemoved() {
    FileSystem fs;
    LiveListing listing(fs);
    listing.Open(folder_->path());
    QSignalSpy spy(&listing, &LiveListing::Changed);
    QVERIFY(QDir(folder_->path()).removeRecursively());
    QTRY_VERIFY(!listing.IsRead());
    QVERIFY(Gathered(spy).reset);
    QVERIFY(listing.Entries().empty());
    QVERIFY(listing.Folders().isEmpty());
    QVERIFY(!listing.IsWatched());
}

void LiveListingTest::RefreshCatchesUpWithoutNotifications() {
    WatchedFileSystem fs;
    fs.notifications = false;
    LiveListing listing(fs);
    listing.Open(folder_->path());
    QVERIFY(!listing.IsWatched());
    folder_->MakeFile("later.txt", 1);
    QVERIFY(QFile::remove(folder_->FilePath("old.txt")));
    listing.Refresh();
    QCOMPARE(Contents(listing), FreshContents(folder_->path()));
    QVERIFY(listing.IndexOf("later.txt") >= 0);
}

QTEST_GUILESS_MAIN(LiveListingTest)
#include "tst_livelisting.moc"
