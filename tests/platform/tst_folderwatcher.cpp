#include <sys/stat.h>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTest>

#include "platform/FileSystem.h"
#include "platform/FolderWatcher.h"
#include "support/TempFolder.h"

using namespace miravel;
using miravel::test::TempFolder;

namespace {

enum class Action {
    Create,
    Delete,
    RenameWithin,
    RenameIn,
    RenameOut,
    Write,
    ChangeMode,
    MakeFolder
};

QStringList ReportedNames(const QSignalSpy& spy) {
    QStringList names;
    for (const QList<QVariant>& call : spy)
        names << call.at(0).toStringList();
    return names;
}

bool Rename(const QString& from, const QString& to) {
    return ::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

}  // namespace

class FolderWatcherTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void ReportsTheNamesOfChangedEntries_data();
    void ReportsTheNamesOfChangedEntries();
    void ReportsTheFolderGone_data();
    void ReportsTheFolderGone();
    void ReportsLostEvents();
    void WatchesNoFolderThatIsNotThere();
};

void FolderWatcherTest::ReportsTheNamesOfChangedEntries_data() {
    QTest::addColumn<int>("action");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("created") << int(Action::Create) << QStringList{"new.txt"};
    QTest::newRow("deleted") << int(Action::Delete) << QStringList{"old.txt"};
    QTest::newRow("renamed within")
        << int(Action::RenameWithin) << QStringList{"old.txt", "renamed.txt"};
    QTest::newRow("moved in") << int(Action::RenameIn) << QStringList{"came.txt"};
    QTest::newRow("moved out") << int(Action::RenameOut) << QStringList{"old.txt"};
    QTest::newRow("written") << int(Action::Write) << QStringList{"old.txt"};
    QTest::newRow("mode changed") << int(Action::ChangeMode) << QStringList{"old.txt"};
    QTest::newRow("folder made") << int(Action::MakeFolder) << QStringList{"sub"};
}

void FolderWatcherTest::ReportsTheNamesOfChangedEntries() {
    QFETCH(int, action);
    QFETCH(QStringList, names);
    TempFolder outside;
    outside.MakeFile("came.txt");
    TempFolder folder;
    folder.MakeFile("old.txt", 3);
    FolderWatcher watcher;
    QVERIFY(watcher.Watch(folder.path()));
    QSignalSpy spy(&watcher, &FolderWatcher::EntriesChanged);

    switch (Action(action)) {
        case Action::Create:
            folder.MakeFile("new.txt");
            break;
        case Action::Delete:
            QVERIFY(QFile::remove(folder.FilePath("old.txt")));
            break;
        case Action::RenameWithin:
            QVERIFY(Rename(folder.FilePath("old.txt"), folder.FilePath("renamed.txt")));
            break;
        case Action::RenameIn:
            QVERIFY(Rename(outside.FilePath("came.txt"), folder.FilePath("came.txt")));
            break;
        case Action::RenameOut:
            QVERIFY(Rename(folder.FilePath("old.txt"), outside.FilePath("went.txt")));
            break;
        case Action::Write:
            folder.MakeFile("old.txt", 10);
            break;
        case Action::ChangeMode:
            QCOMPARE(::chmod(QFile::encodeName(folder.FilePath("old.txt")).constData(), 0600), 0);
            break;
        case Action::MakeFolder:
            folder.MakeFolder("sub");
            break;
    }
    QTRY_VERIFY([&] {
        const QStringList reported = ReportedNames(spy);
        return std::all_of(names.begin(), names.end(),
                           [&](const QString& name) { return reported.contains(name); });
    }());
    for (const QString& name : ReportedNames(spy))
        QVERIFY2(names.contains(name), qPrintable(name));
}

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
