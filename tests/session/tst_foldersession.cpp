// The folder session on real folders, without any widget: what a user's actions come to.
#include <QAbstractItemModelTester>
#include <QCoreApplication>
#include <QFile>
#include <QItemSelectionModel>
#include <QSignalSpy>
#include <QTest>
#include <cerrno>
#include <cstdio>

#include "files/FileTableModel.h"
#include "platform/FileNameCodec.h"
#include "platform/FileSystem.h"
#include "platform/SystemErrorText.h"
#include "rename/OperationTexts.h"
#include "rename/RenameTexts.h"
#include "session/FolderSession.h"
#include "session/PhotoDates.h"
#include "support/SamplePhoto.h"
#include "support/SessionOnFolder.h"
#include "support/TempFolder.h"

using namespace Qt::StringLiterals;

namespace miravel {

namespace {

// What the table shows of each row but its number, in table order.
QStringList TableLinesOf(const FileTableModel& table) {
    QStringList lines;
    for (const FileRow& row : table.Rows())
        lines << row.name + u'|' + row.SizeText().trimmed() + u'|' + row.type + u'|' +
                     row.CreatedText() + u'|' + row.ModifiedText();
    return lines;
}

struct Fixture : test::SessionOnFolder {
    explicit Fixture(const QStringList& names) {
        for (const QString& name : names)
            folder.MakeFile(name, name.size() * 1000, name.toUtf8());
    }
    QStringList TableLines() const { return TableLinesOf(*session.Table()); }
    QStringList TableNames() const {
        QStringList names;
        for (const FileRow& row : session.Table()->Rows())
            names << row.name;
        return names;
    }
};

enum class Change { Create, Delete, RenameWithin, Write, Run, Undo };

QStringList FreshTable(const QString& folder) {
    FileSystem fileSystem;
    FolderSession fresh(fileSystem);
    fresh.OpenFolder(folder);
    return TableLinesOf(*fresh.Table());
}

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

    // Changes made elsewhere reach the table without a keystroke and keep the selection of
    // the other rows; a run or an undo fills it from what it renamed. Either way the table is
    // what a fresh read shows.
    void theTableFollowsTheFolder_data() {
        QTest::addColumn<int>("change");
        QTest::addColumn<QStringList>("selected");
        const QStringList both{u"a.txt"_s, u"b.txt"_s};
        const QStringList kept{u"b.txt"_s};
        QTest::newRow("created") << int(Change::Create) << both;
        QTest::newRow("deleted") << int(Change::Delete) << kept;
        QTest::newRow("renamed elsewhere") << int(Change::RenameWithin) << kept;
        QTest::newRow("written") << int(Change::Write) << both;
        QTest::newRow("run") << int(Change::Run)
                             << QStringList{u"b.txt"_s, u"c.txt"_s, u"new_a.txt"_s};
        QTest::newRow("undo") << int(Change::Undo)
                              << QStringList{u"a.txt"_s, u"b.txt"_s, u"c.txt"_s};
    }
    void theTableFollowsTheFolder() {
        QFETCH(int, change);
        QFETCH(QStringList, selected);
        Fixture f({u"a.txt"_s, u"b.txt"_s, u"c.txt"_s});
        f.session.OpenFolder(f.folder.path());
        f.session.SetOperation(ReplaceFields{u"a.txt"_s, u"new_a.txt"_s});
        if (Change(change) == Change::Undo)
            f.session.ExecuteRun(*f.session.PlanRun());
        f.SelectOnly({u"a.txt"_s, u"b.txt"_s});
        QSignalSpy fills(&f.session, &FolderSession::TableRefilled);

        switch (Change(change)) {
            case Change::Create:
                f.folder.MakeFile(u"aa.txt"_s, 5);
                break;
            case Change::Delete:
                QVERIFY(QFile::remove(f.folder.FilePath(u"a.txt"_s)));
                break;
            case Change::RenameWithin:
                QCOMPARE(std::rename(qPrintable(f.folder.FilePath(u"a.txt"_s)),
                                     qPrintable(f.folder.FilePath(u"d.txt"_s))),
                         0);
                break;
            case Change::Write:
                f.folder.MakeFile(u"a.txt"_s, 50000);
                break;
            case Change::Run:
                f.SelectOnly({u"a.txt"_s});
                f.session.ExecuteRun(*f.session.PlanRun());
                break;
            case Change::Undo:
                QVERIFY(f.session.UndoLast());
                break;
        }
        QTRY_COMPARE(f.TableLines(), FreshTable(f.folder.path()));
        const bool fill = Change(change) == Change::Run || Change(change) == Change::Undo;
        QCOMPARE(fills.size(), fill ? 1 : 0);
        // The notifications of the program's own renames leave nothing to change.
        QCoreApplication::processEvents();
        f.session.ApplyFolderChanges();
        QCOMPARE(f.TableLines(), FreshTable(f.folder.path()));
        QCOMPARE(f.session.SelectedNames(), selected);
    }

    // A run of more renames than the system queues notifications for (16,384 by default, two
    // a rename) is taken in from what it renamed, without reading the folder again.
    void aLargeRunIsTakenInWithoutReadingTheFolderAgain() {
        struct CountingFileSystem : FileSystem {
            mutable int reads = 0;
            FolderContents ReadFolder(const QString& folder) const override {
                ++reads;
                return FileSystem::ReadFolder(folder);
            }
        } fileSystem;
        test::TempFolder folder;
        for (int i = 0; i < 9000; ++i)
            folder.MakeFile(u"f%1"_s.arg(i));
        FolderSession session(fileSystem);
        session.OpenFolder(folder.path());
        session.SetOperation(AddStringFields{u"x"_s, Placement::Head, u"0"_s});

        session.ExecuteRun(*session.PlanRun());
        QCoreApplication::processEvents();
        session.ApplyFolderChanges();

        QCOMPARE(fileSystem.reads, 1);
        QCOMPARE(session.Table()->rowCount(), 9000);
        QVERIFY(session.Table()->Row(8999).name.startsWith(u'x'));
        QCOMPARE(TableLinesOf(*session.Table()), FreshTable(folder.path()));
    }

    void aBurstOfConditionChangesShowsTheLast() {
        Fixture f({u"a.jpg"_s, u"b.png"_s, u"c.txt"_s});
        f.session.OpenFolder(f.folder.path());
        f.session.SetSlowFillMs(0);  // every fill counts as slow
        QSignalSpy fills(&f.session, &FolderSession::TableRefilled);

        for (const QString& pattern : {u"*.jpg"_s, u"*.png"_s, u"*.txt"_s})
            f.session.SetPattern(pattern);

        QCOMPARE(fills.size(), 1);
        QTRY_COMPARE(f.TableNames(), QStringList{u"c.txt"_s});
        QCOMPARE(fills.size(), 2);
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

        const BatchRun run = *f.session.PlanRun();
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

        const BatchResult result = f.session.ExecuteRun(*f.session.PlanRun());

        QVERIFY(!result.Attempted());
        QCOMPARE(fills.size(), 0);
        QVERIFY(!f.session.CanUndo());
    }

    // Names ending in .jpg are real photos: those starting with "shot" were taken on 2024-05-06,
    // the others carry no date. Every file was last modified on 2023-01-02.
    void newOperationsRunOnRealFiles_data() {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<OperationRequest>("request");
        QTest::addColumn<QString>("problem");  // the start of the refusal, or nothing
        QTest::addColumn<QStringList>("after");
        const QStringList plain = {u"12_ab.txt"_s, u"banana.txt"_s};
        QTest::newRow("pattern with its groups swapped")
            << plain << OperationRequest(ReplaceFields{u"(\\d+)_(\\w+)"_s, u"\\2-\\1"_s, true})
            << QString() << QStringList{u"ab-12.txt"_s, u"banana.txt"_s};
        QTest::newRow("every occurrence of a plain text")
            << plain << OperationRequest(ReplaceFields{u"a"_s, u"o"_s, false, true}) << QString()
            << QStringList{u"12_ob.txt"_s, u"bonono.txt"_s};
        QTest::newRow("pattern that does not compile")
            << plain << OperationRequest(ReplaceFields{u"(ab"_s, u"x"_s, true}) << u"正規表現が"_s
            << plain;
        QTest::newRow("replacement naming a missing group")
            << plain << OperationRequest(ReplaceFields{u"(ab)"_s, u"\\2"_s, true})
            << u"置換後の文字列の \\2"_s << plain;
        QTest::newRow("lower case, the extension kept")
            << QStringList{u"IMG_01.JPG"_s, u"note.txt"_s}
            << OperationRequest(ConvertFields{Conversion::Lower, ConversionScope::BaseOnly})
            << QString() << QStringList{u"img_01.JPG"_s, u"note.txt"_s};
        QTest::newRow("half-width katakana to full-width")
            << QStringList{u"ｶﾞｸｼｭｳ ﾊﾟﾝ.txt"_s}
            << OperationRequest(
                   ConvertFields{Conversion::HalfKanaToFull, ConversionScope::WholeName})
            << QString() << QStringList{u"ガクシュウ パン.txt"_s};
        const QStringList photos = {u"note.txt"_s, u"plain.jpg"_s, u"shot.jpg"_s};
        QTest::newRow("date taken; files without one keep their names")
            << photos << OperationRequest(AddStringFields{u"<撮影日>_"_s, Placement::Head, u"0"_s})
            << QString() << QStringList{u"20240506_shot.jpg"_s, u"note.txt"_s, u"plain.jpg"_s};
        QTest::newRow("modified date with a format")
            << photos
            << OperationRequest(AddStringFields{u"_<更新日:yyyy-MM-dd>"_s, Placement::Tail, u"0"_s})
            << QString()
            << QStringList{u"note_2023-01-02.txt"_s, u"plain_2023-01-02.jpg"_s,
                           u"shot_2023-01-02.jpg"_s};
    }
    void newOperationsRunOnRealFiles() {
        QFETCH(QStringList, names);
        QFETCH(OperationRequest, request);
        QFETCH(QString, problem);
        QFETCH(QStringList, after);
        Fixture f({});
        for (const QString& name : names) {
            if (name.endsWith(u".jpg"_s)) {
                const QByteArray date = name.startsWith(u"shot"_s) ? "2024:05:06 07:08:09" : "";
                QVERIFY(test::WriteFileBytes(QFile::encodeName(f.folder.FilePath(name)),
                                             test::JpegBytes(date)));
            } else {
                f.folder.MakeFile(name);
            }
            f.folder.SetModified(name, QDateTime(QDate(2023, 1, 2), QTime(12, 0)));
        }
        f.session.OpenFolder(f.folder.path());
        f.session.SetOperation(request);

        const BatchRun run = *f.session.PlanRun();
        QCOMPARE(run.problem.value_or(QString()).left(problem.size()), problem);
        QCOMPARE(run.problem.has_value(), !problem.isEmpty());
        if (!run.problem)
            f.session.ExecuteRun(run);

        QCOMPARE(f.folder.Names(), after);
    }

    void photoDatesArriveFromTheWorkersAndARefillForgetsThem() {
        Fixture f({});
        QVERIFY(test::WriteFileBytes(QFile::encodeName(f.folder.FilePath(u"shot.jpg"_s)),
                                     test::JpegBytes("2024:05:06 07:08:09")));
        f.folder.MakeFile(u"note.txt"_s);
        f.session.OpenFolder(f.folder.path());
        PhotoDates& dates = f.session.DatesTaken();
        QSignalSpy arrived(&dates, &PhotoDates::DatesArrived);

        dates.Request(f.folder.path(), {u"shot.jpg"_s, u"note.txt"_s});

        QVERIFY(!dates.Known(u"shot.jpg"_s));  // never read on the asking thread
        QTRY_VERIFY(dates.Known(u"shot.jpg"_s) && dates.Known(u"note.txt"_s));
        QCOMPARE(*dates.Known(u"shot.jpg"_s), LocalDateTime::FromFields(2024, 5, 6, 7, 8, 9));
        QVERIFY(!dates.Known(u"note.txt"_s)->has_value());
        QVERIFY(!arrived.isEmpty());
        f.session.Refill();
        QVERIFY(!dates.Known(u"shot.jpg"_s));
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
