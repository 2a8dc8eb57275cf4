#include <QDir>
#include <QScopeGuard>
#include <QTest>
#include <cerrno>

#include "platform/FileSystem.h"
#include "platform/SystemErrorText.h"
#include "rename/BatchPrompts.h"
#include "rename/BatchRename.h"
#include "rename/FolderEntriesRead.h"
#include "rename/RenameTexts.h"
#include "rename/ReplaceOperation.h"
#include "rename/UndoHistory.h"
#include "support/BatchDialogue.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/TempFolder.h"

using namespace Qt::StringLiterals;

namespace miravel {

namespace {

const QString kCaption = u"Miravel 1.0"_s;

// Batch runs on a real folder whose successful renames go into one history.
struct Session {
    test::TempFolder folder;
    FileSystem fileSystem;
    test::ScriptedMessageBoxes boxes;
    UndoHistory history{3};

    void Make(const QStringList& names) {
        for (const QString& name : names)
            folder.MakeFile(name, name.toUtf8().size(), name.toUtf8());
    }

    // Replaces in every file of the folder, all of them selected.
    void Replace(const QString& find, const QString& with) {
        const QStringList selected = folder.Names();
        boxes.QueueAnswer(true);
        const std::optional<BatchResult> result =
            test::RunBatch(fileSystem, boxes, kCaption,
                           {MakeReplaceOperation(find, with), folder.path(), selected,
                            ReadFolderEntries(fileSystem, folder.path(), selected)});
        if (result)
            history.Record(result->folder, result->folderIdentity, result->Renamed());
    }

    // Undoes the newest level, with a box per failed rename as the window shows them.
    bool Undo() {
        const std::optional<BatchResult> result = history.UndoLast(fileSystem);
        if (result)
            ReportFailures(boxes, kCaption, *result);
        return result.has_value();
    }

    // Records renames made by hand as a run would.
    void Record(const std::vector<std::pair<QString, QString>>& renames) {
        std::vector<RenamedFile> renamed;
        for (const auto& [oldName, newName] : renames)
            renamed.push_back(RenamedNow(fileSystem, folder.path(), oldName, newName));
        history.Record(folder.path(), fileSystem.FolderIdentity(folder.path()), renamed);
    }

    // Every file still holds its first name as its contents.
    bool ContentsFollowNames(const QStringList& firstNames) const {
        for (const QString& name : firstNames)
            if (folder.Exists(name) && folder.Content(name) != name.toUtf8())
                return false;
        return true;
    }
};

}  // namespace

class UndoHistoryTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void undoAfterAReplaceRun_data() {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("find");
        QTest::addColumn<QString>("with");
        QTest::addColumn<QString>("removeAfterRun");
        QTest::addColumn<QString>("makeAfterRun");
        QTest::addColumn<QStringList>("afterUndo");
        QTest::addColumn<QStringList>("errors");

        const QStringList three{u"draft1.txt"_s, u"draft2.txt"_s, u"draft3.txt"_s};
        QTest::newRow("every name restored") << three << u"draft"_s << u"final"_s << QString()
                                             << QString() << three << QStringList();
        QTest::newRow("file removed since: reported, the others restored")
            << three << u"draft"_s << u"final"_s << u"final2.txt"_s << QString()
            << QStringList{u"draft1.txt"_s, u"draft3.txt"_s}
            << QStringList{SystemErrorText(ENOENT)};
        QTest::newRow("old name taken since: reported, nothing replaced")
            << three << u"draft"_s << u"final"_s << QString() << u"draft3.txt"_s << three
            << QStringList{SystemErrorText(EEXIST)};
        QTest::newRow("failed rows of the run are left alone")
            << QStringList{u"a1"_s, u"a2"_s, u"b1"_s} << u"a"_s << u"b"_s << QString() << QString()
            << QStringList{u"a1"_s, u"a2"_s, u"b1"_s} << QStringList();
        QTest::newRow("letter case only")
            << QStringList{u"memo.txt"_s, u"note.txt"_s} << u"memo"_s << u"Memo"_s << QString()
            << QString() << QStringList{u"memo.txt"_s, u"note.txt"_s} << QStringList();
    }
    void undoAfterAReplaceRun() {
        QFETCH(QStringList, files);
        QFETCH(QString, find);
        QFETCH(QString, with);
        QFETCH(QString, removeAfterRun);
        QFETCH(QString, makeAfterRun);
        QFETCH(QStringList, afterUndo);
        QFETCH(QStringList, errors);
        Session session;
        session.Make(files);
        session.Replace(find, with);
        QVERIFY(session.history.CanUndo());
        if (!removeAfterRun.isEmpty())
            QVERIFY(QFile::remove(session.folder.FilePath(removeAfterRun)));
        if (!makeAfterRun.isEmpty())
            session.folder.MakeFile(makeAfterRun, 3, "new");
        session.boxes.Clear();

        QVERIFY(session.Undo());

        QStringList expected = afterUndo;
        if (!makeAfterRun.isEmpty() && !expected.contains(makeAfterRun))
            expected << makeAfterRun;
        for (const QString& name : session.folder.Names())
            if (name.startsWith(with) && !files.contains(name))
                expected << name;  // kept its new name because its undo failed
        expected.sort();
        QCOMPARE(session.folder.Names(), expected);
        QCOMPARE(session.boxes.ErrorTexts(), errors);
        for (const auto& box : session.boxes.shown())
            QCOMPARE(box.title, kCaption);
        if (!makeAfterRun.isEmpty())
            QCOMPARE(session.folder.Content(makeAfterRun), QByteArray("new"));
        else
            QVERIFY(session.ContentsFollowNames(files));
        QVERIFY(!session.history.CanUndo());
    }

    void undoActsOnlyOnTheFilesItRenamed_data() {
        QTest::addColumn<QString>("event");
        QTest::addColumn<QStringList>("afterUndo");  // name=content, by name
        QTest::addColumn<QStringList>("errors");
        const QString replaced = rename_texts::UndoOtherFile.arg(u"final2.txt"_s);
        QTest::newRow("a stranger under the new name")
            << u"stranger"_s
            << QStringList{u"draft1.txt=draft1.txt"_s, u"draft3.txt=draft3.txt"_s,
                           u"final2.txt=stranger"_s, u"kept.txt=draft2.txt"_s}
            << QStringList{replaced};
        QTest::newRow("the renamed file written since")
            << u"written"_s
            << QStringList{u"draft1.txt=draft1.txt"_s, u"draft3.txt=draft3.txt"_s,
                           u"final2.txt=draft2.txtmore"_s}
            << QStringList{replaced};
        QTest::newRow("the folder moved away during the undo: it stays the undo's")
            << u"folder moved during"_s
            << QStringList{u"draft1.txt=draft1.txt"_s, u"draft2.txt=draft2.txt"_s,
                           u"draft3.txt=draft3.txt"_s}
            << QStringList{};
    }
    void undoActsOnlyOnTheFilesItRenamed() {
        QFETCH(QString, event);
        QFETCH(QStringList, afterUndo);
        QFETCH(QStringList, errors);
        Session session;
        session.Make({u"draft1.txt"_s, u"draft2.txt"_s, u"draft3.txt"_s});
        session.Replace(u"draft"_s, u"final"_s);
        const QString path = session.folder.path();
        const QString moved = path + u"-moved"_s;
        const auto removeMoved = qScopeGuard([&] { QDir(moved).removeRecursively(); });
        if (event == u"stranger"_s) {
            QVERIFY(QFile::rename(session.folder.FilePath(u"final2.txt"_s),
                                  session.folder.FilePath(u"kept.txt"_s)));
            session.folder.MakeFile(u"final2.txt"_s, 8, "stranger");
        } else if (event == u"written"_s) {
            QFile file(session.folder.FilePath(u"final2.txt"_s));
            QVERIFY(file.open(QIODevice::Append));
            file.write("more");
        } else {
            session.fileSystem.beforeRenameHook = [&](const QString&, const QString&) {
                if (QFile::exists(moved))
                    return;
                QVERIFY(QDir().rename(path, moved));
                QVERIFY(QDir().mkdir(path));
            };
        }
        session.boxes.Clear();

        QVERIFY(session.Undo());

        const QString undone = QFile::exists(moved) ? moved : path;
        QStringList found;
        for (const QString& name : QDir(undone).entryList(QDir::Files, QDir::Name)) {
            QFile file(undone + u"/"_s + name);
            QVERIFY(file.open(QIODevice::ReadOnly));
            found << name + u"="_s + QString::fromUtf8(file.readAll());
        }
        if (QFile::exists(moved))
            QVERIFY(QDir(path).entryList(QDir::Files).isEmpty());
        QCOMPARE(found, afterUndo);
        QCOMPARE(session.boxes.ErrorTexts(), errors);
    }

    void undoLeavesAFolderThatTookThePlaceOfTheRunsAlone() {
        Session session;
        session.Make({u"draft1.txt"_s, u"draft2.txt"_s});
        session.Replace(u"draft"_s, u"final"_s);
        const QString path = session.folder.path();
        const QString moved = path + u"-moved"_s;
        const auto removeMoved = qScopeGuard([&] { QDir(moved).removeRecursively(); });
        QVERIFY(QDir().rename(path, moved));
        QVERIFY(QDir().mkdir(path));
        session.Make({u"final1.txt"_s, u"final2.txt"_s});
        session.boxes.Clear();

        QVERIFY(session.Undo());

        const QStringList kept{u"final1.txt"_s, u"final2.txt"_s};
        QCOMPARE(QDir(path).entryList(QDir::Files, QDir::Name), kept);
        QCOMPARE(QDir(moved).entryList(QDir::Files, QDir::Name), kept);
        QCOMPARE(session.boxes.ErrorTexts(), QStringList{rename_texts::UndoOtherFolder.arg(path)});
        QVERIFY(!session.history.CanUndo());
    }

    void chainIsUndoneInReverseOrder() {
        // b -> c runs before a -> b, so only the reverse order frees each old name in time.
        Session session;
        session.Make({u"a"_s, u"b"_s});
        session.Record({});
        QVERIFY(QFile::rename(session.folder.FilePath(u"b"_s), session.folder.FilePath(u"c"_s)));
        QVERIFY(QFile::rename(session.folder.FilePath(u"a"_s), session.folder.FilePath(u"b"_s)));
        session.Record({{u"b"_s, u"c"_s}, {u"a"_s, u"b"_s}});

        QVERIFY(session.Undo());

        QCOMPARE(session.folder.Names(), (QStringList{u"a"_s, u"b"_s}));
        QVERIFY(session.ContentsFollowNames({u"a"_s, u"b"_s}));
        QCOMPARE(session.boxes.ErrorTexts(), QStringList());
    }

    void twoLevels() {
        Session session;
        session.Make({u"x1"_s, u"x2"_s});
        session.Replace(u"x"_s, u"y"_s);
        session.Replace(u"y"_s, u"z"_s);
        QCOMPARE(session.history.Levels(), 2);

        QVERIFY(session.Undo());
        QCOMPARE(session.folder.Names(), (QStringList{u"y1"_s, u"y2"_s}));
        QVERIFY(session.history.CanUndo());
        QVERIFY(session.Undo());
        QCOMPARE(session.folder.Names(), (QStringList{u"x1"_s, u"x2"_s}));
        QVERIFY(!session.history.CanUndo());
        QVERIFY(!session.Undo());
        QCOMPARE(session.folder.Names(), (QStringList{u"x1"_s, u"x2"_s}));
    }

    void runWithNothingRenamedRecordsNothing() {
        Session session;
        session.Make({u"a"_s, u"b"_s});
        session.Replace(u"zzz"_s, u"y"_s);  // no name contains the text
        session.Replace(u"a"_s, u"b"_s);    // the one rename fails
        QVERIFY(!session.history.CanUndo());
    }

    void oldestLevelsGiveWay() {
        Session session;
        for (int level = 0; level < 5; ++level)
            session.Record({{u"a"_s, u"b"_s}});
        QCOMPARE(session.history.Levels(), 3);
        QVERIFY(session.Undo());
        QCOMPARE(session.history.Levels(), 2);
    }
};

}  // namespace miravel

QTEST_GUILESS_MAIN(miravel::UndoHistoryTest)
#include "tst_undohistory.moc"
