// The preview column on real folders, without any widget: what each row will be called, kept
// current through the changes a user makes, and the run doing exactly what it showed.
#include <QAbstractItemModelTester>
#include <QItemSelectionModel>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>

#include "files/FileTableModel.h"
#include "platform/FileNameCodec.h"
#include "platform/FileSystem.h"
#include "rename/OperationTexts.h"
#include "rename/RenamePlan.h"
#include "rename/RenameTexts.h"
#include "session/FolderSession.h"
#include "session/PhotoDates.h"
#include "support/SamplePhoto.h"
#include "support/SessionOnFolder.h"
#include "support/TempFolder.h"

using namespace Qt::StringLiterals;

namespace miravel {

namespace {

struct Fixture : test::SessionOnFolder {
    // A name ending in "/" makes a sub-folder.
    explicit Fixture(const QStringList& names) {
        for (const QString& name : names) {
            if (name.endsWith(u'/'))
                folder.MakeFolder(name.chopped(1));
            else
                folder.MakeFile(name);
        }
    }
    void Open(const OperationRequest& request) {
        session.OpenFolder(folder.path());
        session.SetOperation(request);
    }
    // Each row as "old → cell": "-" empty, "new" renames, "=new" unchanged, "!new" fails.
    QStringList Cells() const {
        QStringList cells;
        for (int row = 0; row < Table().rowCount(); ++row) {
            const QModelIndex cell = Table().index(row, kPreviewColumn);
            const QString name = cell.data().toString();
            QString text;
            switch (PreviewKind(cell.data(FileTableModel::kPreviewKindRole).toInt())) {
                case PreviewKind::Empty:
                    text = name.isEmpty() ? u"-"_s : u"?"_s + name;
                    break;
                case PreviewKind::Renames:
                    text = name;
                    break;
                case PreviewKind::Unchanged:
                    text = u"="_s + name;
                    break;
                case PreviewKind::Fails:
                    text = u"!"_s + name;
                    break;
            }
            cells << Table().Row(row).name + u" → "_s + text;
        }
        return cells;
    }
};

SerialFields Serial(const QString& start = u"1"_s) {
    SerialFields fields;
    fields.prefix = u"("_s;
    fields.suffix = u")"_s;
    fields.start = start;
    fields.digitCount = u"1"_s;
    fields.position = u"0"_s;
    return fields;
}

}  // namespace

class PreviewTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void cellsOfEachOperation_data() {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<OperationRequest>("request");
        QTest::addColumn<QStringList>("cells");
        const QString longName = QString(250, u'x') + u".txt"_s;

        QTest::newRow("replace: renamed, skipped, unchanged")
            << QStringList{u"Sample.txt"_s, u"memo.txt"_s, u"sample1.txt"_s}
            << OperationRequest(ReplaceFields{u"sample"_s, u"x"_s})
            << QStringList{u"memo.txt → -"_s, u"Sample.txt → =Sample.txt"_s,
                           u"sample1.txt → x1.txt"_s};
        QTest::newRow("replace: empty, \".\" and \"..\"")
            << QStringList{u"a"_s, u"a."_s, u"a.."_s}
            << OperationRequest(ReplaceFields{u"a"_s, QString()})
            << QStringList{u"a → !"_s, u"a. → !."_s, u"a.. → !.."_s};
        QTest::newRow("add: taken on disk, chain freed later, too long")
            << QStringList{u"b.txt"_s, u"c"_s, u"n_a.txt"_s, u"n_b.txt"_s, u"n_c/"_s, longName}
            << OperationRequest(AddStringFields{u"n_"_s, Placement::Head, u"0"_s})
            << QStringList{u"b.txt → !n_b.txt"_s, u"c → !n_c"_s, u"n_a.txt → n_n_a.txt"_s,
                           u"n_b.txt → n_n_b.txt"_s, longName + u" → !n_"_s + longName};
        QTest::newRow("serial in table order")
            << QStringList{u"a"_s, u"b"_s, u"(2)b/"_s} << OperationRequest(Serial())
            << QStringList{u"a → (1)a"_s, u"b → !(2)b"_s};
        QTest::newRow("delete: two rows to one name, no marker skipped")
            << QStringList{u"[1]a.txt"_s, u"[2]a.txt"_s, u"c.txt"_s}
            << OperationRequest(DeleteFields{u"["_s, u"]"_s, DeleteMode::StringsAndNumber})
            << QStringList{u"[1]a.txt → a.txt"_s, u"[2]a.txt → !a.txt"_s, u"c.txt → -"_s};
    }
    void cellsOfEachOperation() {
        QFETCH(QStringList, files);
        QFETCH(OperationRequest, request);
        QFETCH(QStringList, cells);
        Fixture f(files);
        f.Open(request);

        QTRY_COMPARE(f.Cells(), cells);
    }

    // A failing cell tells why; the reason is the confirmation's.
    void aFailingCellTellsWhy() {
        Fixture f({u"a"_s, u"b"_s});
        f.Open(ReplaceFields{u"a"_s, u"b"_s});
        const QModelIndex cell = f.Table().index(0, kPreviewColumn);

        QTRY_COMPARE(cell.data(Qt::ToolTipRole).toString(), rename_texts::PlanNameTaken.toString());
        QCOMPARE(cell.data(Qt::AccessibleDescriptionRole), cell.data(Qt::ToolTipRole));
        QVERIFY(f.Table().index(1, kPreviewColumn).data(Qt::ToolTipRole).toString().isEmpty());
    }

    void refusedInputsEmptyTheColumnAndSayWhyInTheHeader() {
        Fixture f({u"a.txt"_s});
        f.Open(ReplaceFields{u"a"_s, u"b:"_s});

        QTRY_COMPARE(f.Table().headerData(kPreviewColumn, Qt::Horizontal, Qt::ToolTipRole),
                     QVariant(rename_texts::ForbiddenChars.toString()));
        QCOMPARE(f.Cells(), QStringList{u"a.txt → -"_s});

        f.session.SetOperation(ReplaceFields{u"a"_s, u"b"_s});
        QTRY_COMPARE(f.Cells(), QStringList{u"a.txt → b.txt"_s});
        QCOMPARE(f.Table().headerData(kPreviewColumn, Qt::Horizontal, Qt::ToolTipRole).toString(),
                 QString());
    }

    void followsSelectionSortDropAndTheFolder() {
        Fixture f({u"a"_s, u"b"_s, u"c"_s});
        f.Open(Serial());
        QTRY_COMPARE(f.Cells(), (QStringList{u"a → (1)a"_s, u"b → (2)b"_s, u"c → (3)c"_s}));

        f.SelectOnly({u"a"_s, u"c"_s});
        QTRY_COMPARE(f.Cells(), (QStringList{u"a → (1)a"_s, u"b → -"_s, u"c → (2)c"_s}));

        f.Table().SortByColumn(kNameColumn);  // the name column again: descending
        QTRY_COMPARE(f.Cells(), (QStringList{u"c → (1)c"_s, u"b → -"_s, u"a → (2)a"_s}));

        // "c" dropped below "a"; a drop leaves nothing selected.
        std::unique_ptr<QMimeData> dragged(f.Table().mimeData({f.Table().index(0, 0)}));
        QVERIFY(
            f.Table().dropMimeData(dragged.get(), Qt::MoveAction, -1, -1, f.Table().index(2, 0)));
        QTRY_COMPARE(f.Cells(), (QStringList{u"b → -"_s, u"a → -"_s, u"c → -"_s}));
        f.SelectOnly({u"a"_s, u"c"_s});
        QTRY_COMPARE(f.Cells(), (QStringList{u"b → -"_s, u"a → (1)a"_s, u"c → (2)c"_s}));

        // Another program takes a name: the plan for the run sees it, and so does the column.
        f.folder.MakeFile(u"(2)c"_s);
        const std::shared_ptr<const BatchRun> run = f.session.PlanRun();
        QCOMPARE(run->plan.failures, 1);
        QVERIFY(f.session.CurrentPlan() == run);
        QCOMPARE(f.Cells(), (QStringList{u"b → -"_s, u"a → (1)a"_s, u"c → !(2)c"_s}));
    }

    void aBurstOfChangesIsPlannedOnce() {
        Fixture f({u"a"_s, u"b"_s});
        f.Open(ReplaceFields{u"a"_s, u"x"_s});
        QSignalSpy plans(&f.session, &FolderSession::PlanChanged);
        QTRY_COMPARE(plans.size(), 1);

        for (const QString& text : {u"x"_s, u"xy"_s, u"xyz"_s})
            f.session.SetOperation(ReplaceFields{u"a"_s, text});
        f.SelectOnly({u"a"_s});
        f.session.SetOperation(ReplaceFields{u"a"_s, u"xyz"_s});  // no change

        QTRY_COMPARE(plans.size(), 2);
        QCOMPARE(f.Cells(), (QStringList{u"a → xyz"_s, u"b → -"_s}));
        QCoreApplication::processEvents();  // nothing else is pending
        QCOMPARE(plans.size(), 2);
    }

    // The column never waits for a photo's disk: the dates are read on worker threads and
    // come into the column as they are known.
    void photoDatesComeIntoTheColumnOnceRead() {
        Fixture f({u"note.txt"_s});
        QVERIFY(test::WriteFileBytes(QFile::encodeName(f.folder.FilePath(u"shot.jpg"_s)),
                                     test::JpegBytes("2024:05:06 07:08:09")));
        f.Open(AddStringFields{u"<撮影日>_"_s, Placement::Head, u"0"_s});

        f.session.CurrentPlan();
        QVERIFY(!f.session.DatesTaken().Known(u"shot.jpg"_s));

        QTRY_COMPARE(f.Cells(),
                     (QStringList{u"note.txt → -"_s, u"shot.jpg → 20240506_shot.jpg"_s}));
        QCOMPARE(f.Table().index(0, kPreviewColumn).data(Qt::ToolTipRole).toString(),
                 rename_texts::NoDateTaken.toString());
    }

    // What the column shows is what the run does, on every operation: each row it marks to be
    // renamed is, each it marks to fail fails and keeps its name, and nothing else changes.
    void theRunDoesWhatTheColumnShowed_data() {
        QTest::addColumn<OperationRequest>("request");
        QTest::newRow("replace") << OperationRequest(ReplaceFields{u"a"_s, u"b"_s});
        QTest::newRow("add") << OperationRequest(AddStringFields{u"b"_s, Placement::Head, u"0"_s});
        QTest::newRow("serial") << OperationRequest(Serial(u"0"_s));
        QTest::newRow("delete") << OperationRequest(
            DeleteFields{u"["_s, u"]"_s, DeleteMode::StringsAndNumber});
        QTest::newRow("convert") << OperationRequest(
            ConvertFields{Conversion::Upper, ConversionScope::WholeName});
    }
    void theRunDoesWhatTheColumnShowed() {
        QFETCH(OperationRequest, request);
        // Chains (a → b while b → c), two rows to one name, names taken on disk, and names
        // that are not valid UTF-8, in the table's order.
        Fixture f({u"a"_s, u"b"_s, u"ba"_s, u"bb"_s, u"(0)a"_s, u"(0)(0)a/"_s, u"(1)b"_s, u"[1]a"_s,
                   u"[2]a"_s, u"[3]b"_s, u"a.txt"_s, u"b.txt"_s, u"B"_s});
        f.folder.MakeFileRaw("a\xff");
        f.folder.MakeFileRaw("[4]\xfe");
        f.Open(request);
        const std::shared_ptr<const BatchRun> run = f.session.PlanRun();
        QVERIFY(!run->problem);

        QHash<QString, PreviewKind> kinds;
        QStringList expected;
        for (int row = 0; row < f.Table().rowCount(); ++row) {
            const QModelIndex cell = f.Table().index(row, kPreviewColumn);
            const auto kind = PreviewKind(cell.data(FileTableModel::kPreviewKindRole).toInt());
            const QString old = f.Table().Row(row).name;
            kinds.insert(old, kind);
            expected << (kind == PreviewKind::Renames ? cell.data().toString() : old);
        }
        QVERIFY(kinds.values().contains(PreviewKind::Renames));
        QVERIFY(kinds.values().contains(PreviewKind::Fails));

        const BatchResult result = f.session.ExecuteRun(*run);

        for (const RowOutcome& row : result.rows) {
            const PreviewKind kind = kinds.value(row.oldName);
            QCOMPARE(row.kind == RowOutcome::Kind::Renamed, kind == PreviewKind::Renames);
            QCOMPARE(row.kind == RowOutcome::Kind::Failed, kind == PreviewKind::Fails);
        }
        QList<QByteArray> expectedOnDisk{"(0)(0)a"};
        for (const QString& name : expected)
            expectedOnDisk << EncodeFileName(name);
        std::sort(expectedOnDisk.begin(), expectedOnDisk.end());
        QCOMPARE(f.folder.RawNames(), expectedOnDisk);
    }
};

}  // namespace miravel

QTEST_GUILESS_MAIN(miravel::PreviewTest)
#include "tst_preview.moc"
