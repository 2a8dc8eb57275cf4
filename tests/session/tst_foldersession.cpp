// The folder session on real folders, without any widget: what a user's actions come to.
#include <QAbstractItemModelTester>
#include <QFile>
#include <QItemSelectionModel>
#include <QSignalSpy>
#include <QTest>
#include <cerrno>

#include "files/FileTableModel.h"
#include "platform/FileNameCodec.h"
#include "platform/FileSystem.h"
#include "platform/SystemErrorText.h"
#include "rename/RenameTexts.h"
#include "session/FolderSession.h"
#include "support/TempFolder.h"

using namespace Qt::StringLiterals;

namespace miravel {

namespace {

struct Fixture {
    test::TempFolder folder;
    FileSystem fileSystem;
    FolderSession session{fileSystem};
    QAbstractItemModelTester tester{session.Table(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest};

    explicit Fixture(const QStringList& names) {
        for (const QString& name : names)
            folder.MakeFile(name, name.size() * 1000, name.toUtf8());
    }
    QStringList TableNames() const {
        QStringList names;
        for (const FileRow& row : session.Table()->Rows())
            names << row.name;
        return names;
    }
    // Selects exactly the rows of the given names.
    void SelectOnly(const QStringList& names) {
        QItemSelectionModel* selection = session.Selection();
        selection->clearSelection();
        for (int row = 0; row < session.Table()->rowCount(); ++row)
            if (names.contains(session.Table()->Row(row).name))
                selection->select(session.Table()->index(row, 0),
                                  QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
};

}  // namespace

class FolderSessionTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void openingAFolderFillsWithEveryRowSelected() {
        Fixture f({u"b.txt"_s, u"a.jpg"_s, u"c10.txt"_s, u"c9.txt"_s});
        QSignalSpy folders(&f.session, &FolderSession::FolderChanged);
        QSignalSpy fills(&f.session, &FolderSession::TableRefilled);

        f.session.OpenFolder(f.folder.path() + u"/"_s);
        f.session.OpenFolder(f.folder.path());  // the same folder: nothing happens

        QCOMPARE(f.TableNames(), (QStringList{u"a.jpg"_s, u"b.txt"_s, u"c9.txt"_s, u"c10.txt"_s}));
        QCOMPARE(f.session.SelectedNames(), f.TableNames());
        QCOMPARE(folders.size(), 1);
        QCOMPARE(folders.first().first().toString(), f.folder.path());
        QCOMPARE(fills.size(), 1);
        const auto summary = fills.first().first().value<SelectionSummary>();
        QCOMPARE(summary.count, 4);
        QCOMPARE(summary.countText, u"4個のファイルを選択"_s);
        QVERIFY(summary.placeText.isEmpty());
    }

    void conditionsNarrowTheTable_data() {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("modifiedTo");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("pattern") << u"*.TXT"_s << u"9999/12/31"_s
                                 << QStringList{u"new.txt"_s, u"old.txt"_s};
        QTest::newRow("date range")
            << u"*.*"_s << u"2001/12/31"_s << QStringList{u"old.jpg"_s, u"old.txt"_s};
        QTest::newRow("both") << u"*.txt"_s << u"2001/12/31"_s << QStringList{u"old.txt"_s};
    }
    void conditionsNarrowTheTable() {
        QFETCH(QString, pattern);
        QFETCH(QString, modifiedTo);
        QFETCH(QStringList, rows);
        Fixture f({u"new.txt"_s, u"old.txt"_s, u"old.jpg"_s});
        for (const QString& name : {u"old.txt"_s, u"old.jpg"_s})
            f.folder.SetModified(name, QDateTime(QDate(2001, 6, 1), QTime(12, 0)));
        f.session.OpenFolder(f.folder.path());

        f.session.SetPattern(pattern);
        DateConditions dates;
        dates.modifiedTo = modifiedTo;
        f.session.SetDateConditions(dates);

        QCOMPARE(f.TableNames(), rows);
        QCOMPARE(f.session.SelectedNames(), rows);
    }

    void aSortKeepsAScatteredSelectionAndTheCurrentRow() {
        Fixture f({u"a"_s, u"bb"_s, u"ccc"_s, u"dddd"_s, u"eeeee"_s});
        f.session.OpenFolder(f.folder.path());
        f.SelectOnly({u"a"_s, u"ccc"_s, u"eeeee"_s});
        f.session.Selection()->setCurrentIndex(f.session.Table()->index(1, 0),
                                               QItemSelectionModel::NoUpdate);

        f.session.Table()->SortByColumn(kSizeColumn);  // smallest first: the same order
        f.session.Table()->SortByColumn(kSizeColumn);  // largest first

        QCOMPARE(f.TableNames(), (QStringList{u"eeeee"_s, u"dddd"_s, u"ccc"_s, u"bb"_s, u"a"_s}));
        QCOMPARE(f.session.SelectedNames(), (QStringList{u"eeeee"_s, u"ccc"_s, u"a"_s}));
        QCOMPARE(f.session.Selection()->selectedRows().size(), 3);
        QCOMPARE(f.session.Selection()->currentIndex().row(), 3);  // "bb"
    }

    void summariesOfTheSelection() {
        Fixture f({u"a.txt"_s, u"b.txt"_s, u"c.txt"_s});
        f.session.OpenFolder(f.folder.path());
        QSignalSpy summaries(&f.session, &FolderSession::SelectionSummaryChanged);
        const QString inFolder = u"「"_s + f.folder.path() + u"」内の選択したファイル"_s;

        f.SelectOnly({u"b.txt"_s});
        f.session.ReportSelection();
        f.SelectOnly({u"a.txt"_s, u"c.txt"_s});
        f.session.ReportSelection();
        f.session.SelectAll();

        QStringList places;
        for (const QList<QVariant>& signal : summaries)
            places << signal.first().value<SelectionSummary>().placeText;
        QCOMPARE(places, (QStringList{u"b.txt"_s, inFolder,
                                      u"「"_s + f.folder.path() + u"」の選択したファイル"_s}));
        QCOMPARE(f.session.SelectedNames().size(), 3);
    }

    // What the confirmation shows is what is renamed: the plan is planned once and run as is.
    void aRunDoesItsPlanThenRefillsAndCanBeUndone() {
        Fixture f({u"draft1.txt"_s, u"draft2.txt"_s, u"final2.txt"_s, u"memo.txt"_s});
        f.session.OpenFolder(f.folder.path());
        QSignalSpy undo(&f.session, &FolderSession::UndoAvailable);
        QSignalSpy finished(&f.session, &FolderSession::RunFinished);
        f.session.SetOperation(ReplaceFields{u"draft"_s, u"final"_s});

        const BatchRun run = f.session.PlanRun();
        QCOMPARE(run.plan.rows.size(), size_t(2));
        QCOMPARE(run.plan.failures, 1);
        const BatchResult result = f.session.ExecuteRun(run);

        QCOMPARE(result.Count(RowOutcome::Kind::Renamed), 1);
        QCOMPARE(result.Count(RowOutcome::Kind::Failed), 1);
        QCOMPARE(result.rows[1].error, SystemErrorText(EEXIST));
        QCOMPARE(f.TableNames(),
                 (QStringList{u"draft2.txt"_s, u"final1.txt"_s, u"final2.txt"_s, u"memo.txt"_s}));
        QCOMPARE(f.session.SelectedNames(), f.TableNames());
        QCOMPARE(finished.size(), 1);
        QCOMPARE(undo.size(), 1);
        QVERIFY(f.session.CanUndo());

        QVERIFY(f.session.UndoLast());
        QCOMPARE(f.TableNames(),
                 (QStringList{u"draft1.txt"_s, u"draft2.txt"_s, u"final2.txt"_s, u"memo.txt"_s}));
        QCOMPARE(undo.size(), 2);
        QCOMPARE(undo.last().first().toBool(), false);
        QVERIFY(!f.session.UndoLast());
    }

    void aRunWithAllRowsSkippedDoesNotRefill() {
        Fixture f({u"a.txt"_s});
        f.session.OpenFolder(f.folder.path());
        QSignalSpy fills(&f.session, &FolderSession::TableRefilled);
        f.session.SetOperation(ReplaceFields{u"zzz"_s, u"y"_s});

        const BatchResult result = f.session.ExecuteRun(f.session.PlanRun());

        QVERIFY(!result.Attempted());
        QCOMPARE(fills.size(), 0);
        QVERIFY(!f.session.CanUndo());
    }

    void inPlaceRenames_data() {
        QTest::addColumn<QString>("newText");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("refusal");
        QTest::addColumn<bool>("editOver");
        QTest::addColumn<bool>("canUndo");
        QTest::newRow("renamed") << u"note.txt"_s << QStringList{u"note.txt"_s, u"other.txt"_s}
                                 << QString() << true << true;
        QTest::newRow("name of another file")
            << u"other.txt"_s << QStringList{u"memo.txt"_s, u"other.txt"_s}
            << rename_texts::FileNameExists.toString() << false << false;
        QTest::newRow("unchanged") << u"memo.txt"_s << QStringList{u"memo.txt"_s, u"other.txt"_s}
                                   << QString() << false << false;
        QTest::newRow("blank") << u"  "_s << QStringList{u"memo.txt"_s, u"other.txt"_s}
                               << rename_texts::EnterFileName.toString() << false << false;
    }
    void inPlaceRenames() {
        QFETCH(QString, newText);
        QFETCH(QStringList, rows);
        QFETCH(QString, refusal);
        QFETCH(bool, editOver);
        QFETCH(bool, canUndo);
        Fixture f({u"memo.txt"_s, u"other.txt"_s});
        f.session.OpenFolder(f.folder.path());
        QSignalSpy ended(&f.session, &FolderSession::InPlaceRenameEnded);
        QSignalSpy refused(&f.session, &FolderSession::InPlaceRenameRefused);

        f.session.RenameInPlace(0, u"memo.txt"_s, newText);

        QCOMPARE(f.TableNames(), rows);
        QStringList expectedOnDisk = rows;
        expectedOnDisk.sort();
        QCOMPARE(f.folder.Names(), expectedOnDisk);
        QCOMPARE(ended.size(), 1);
        QCOMPARE(ended.first().first().toBool(), editOver);
        QCOMPARE(refused.size(), refusal.isEmpty() ? 0 : 1);
        if (!refusal.isEmpty())
            QCOMPARE(refused.first().first().toString(), refusal);
        QCOMPARE(f.session.CanUndo(), canUndo);
    }

    // An edit that joins escaped bytes into UTF-8 shows the name the disk then holds.
    void inPlaceRenameShowsTheNameAsTheDiskHoldsIt() {
        Fixture f({});
        f.folder.MakeFileRaw("\xe3-\x81\x82");
        f.session.OpenFolder(f.folder.path());
        const QString listed = f.TableNames().value(0);
        QString edited = listed;
        edited.remove(u'-');

        f.session.RenameInPlace(0, listed, edited);

        QCOMPARE(f.TableNames(), QStringList{u"あ"_s});
        QCOMPARE(f.folder.RawNames(), QList<QByteArray>{"\xe3\x81\x82"});
    }

    void anUnreadableVolumeIsRefused() {
        Fixture f({u"a.txt"_s});
        f.session.OpenFolder(f.folder.path());
        QSignalSpy refused(&f.session, &FolderSession::FolderRefused);

        f.session.OpenVolume(f.folder.FilePath(u"missing"_s));

        QCOMPARE(refused.size(), 1);
        QCOMPARE(refused.first().first().toString(), SystemErrorText(ENOENT));
        QCOMPARE(f.session.Folder(), f.folder.path());
        QCOMPARE(f.TableNames(), QStringList{u"a.txt"_s});
    }
};

}  // namespace miravel

QTEST_GUILESS_MAIN(miravel::FolderSessionTest)
#include "tst_foldersession.moc"
