#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTest>
#include <cstdio>

#include "platform/FileSystem.h"
#include "platform/FolderWatcher.h"
#include "support/TempFolder.h"

using namespace miravel;
using miravel::test::TempFolder;

namespace {

bool Rename(const QString& from, const QString& to) {
    return ::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

}  // namespace

class FolderWatcherTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void ReportsTheFolderGone_data();
    void ReportsTheFolderGone();
    void ReportsLostEvents();
    void WatchesNoFolderThatIsNotThere();
};

void FolderWatcherTest::ReportsTheFolderGone_data() {
    QTest::addColumn<bool>("removed");
    QTest::newRow("removed") << true;
    QTest::newRow("renamed") << false;
}

void FolderWatcherTest::ReportsTheFolderGone() {
    QFETCH(bool, removed);
    TempFolder parent;
    parent.MakeFolder("watched");
    FolderWatcher watcher;
    QVERIFY(watcher.Watch(parent.FilePath("watched")));
    QSignalSpy gone(&watcher, &FolderWatcher::FolderGone);
    if (removed)
        QVERIFY(QDir().rmdir(parent.FilePath("watched")));
    else
        QVERIFY(Rename(parent.FilePath("watched"), parent.FilePath("elsewhere")));
    QTRY_COMPARE(gone.size(), 1);
    QVERIFY(!watcher.IsWatching());
}

void FolderWatcherTest::ReportsLostEvents() {
    TempFolder folder;
    FolderWatcher watcher;
    QVERIFY(watcher.Watch(folder.path()));
    QSignalSpy lost(&watcher, &FolderWatcher::EventsLost);
    watcher.InjectOverflow();
    QCOMPARE(lost.size(), 1);
    QVERIFY(watcher.IsWatching());
}

void FolderWatcherTest::WatchesNoFolderThatIsNotThere() {
    TempFolder folder;
    folder.MakeFile("file");
    FolderWatcher watcher;
    QVERIFY(!watcher.Watch(folder.FilePath("missing")));
    QVERIFY(!watcher.Watch(folder.FilePath("file")));
    QVERIFY(!watcher.IsWatching());
    QVERIFY(!FileSystem().WatchFolder(folder.FilePath("missing")));
    QVERIFY(FileSystem().WatchFolder(folder.path()));
}

QTEST_GUILESS_MAIN(FolderWatcherTest)
#include "tst_folderwatcher.moc"
