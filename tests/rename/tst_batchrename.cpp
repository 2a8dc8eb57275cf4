#include <QTest>
#include <cerrno>

#include "platform/FileSystem.h"
#include "platform/SystemErrorText.h"
#include "rename/AddStringOperation.h"
#include "rename/BatchRename.h"
#include "rename/DeleteNumberedOperation.h"
#include "rename/RenameFileTo.h"
#include "rename/ReplaceOperation.h"
#include "rename/SerialOperation.h"
#include "support/BatchDialogue.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/TempFolder.h"

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(miravel::BatchOperation)

namespace miravel {

namespace {

const QString kCaption = u"Miravel 1.0"_s;
using Kind = test::ScriptedMessageBoxes::Shown::Kind;

SerialFields Serial(const QString& start) {
    return {u"[第"_s, start, u"話]"_s, u"1"_s, Placement::Head, u"0"_s};
}

// A run against a real folder, counting the refills the window would do.
struct Harness {
    test::TempFolder folder;
    FileSystem fileSystem;
    test::ScriptedMessageBoxes boxes;
    QStringList selected;
    int refills = 0;

    void Run(const BatchOperation& operation) {
        const std::optional<BatchResult> result =
            test::RunBatch(fileSystem, boxes, kCaption, {operation, folder.path(), selected, {}});
        if (result && result->Attempted())
            ++refills;
    }

    int Count(Kind kind) const {
        int count = 0;
        for (const auto& box : boxes.shown())
            if (box.kind == kind)
                ++count;
        return count;
    }
};

QStringList Sorted(QStringList names) {
    names.sort();
    return names;
}

}  // namespace

class BatchRenameTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void renamesSelectedRows_data() {
        QTest::addColumn<BatchOperation>("operation");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QStringList>("selected");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<int>("errors");
        QTest::addColumn<int>("refills");

        QTest::newRow("replace, case-only match renames nothing")
            << MakeReplaceOperation(u"sample"_s, u"x"_s)
            << QStringList{u"sample1.txt"_s, u"other.txt"_s, u"Sample2.txt"_s}
            << QStringList{u"sample1.txt"_s, u"other.txt"_s, u"Sample2.txt"_s}
            << QStringList{u"x1.txt"_s, u"other.txt"_s, u"Sample2.txt"_s} << 0 << 1;
        QTest::newRow("replace, unselected row kept")
            << MakeReplaceOperation(u"sample"_s, u"x"_s)
            << QStringList{u"sample1.txt"_s, u"sample2.txt"_s} << QStringList{u"sample2.txt"_s}
            << QStringList{u"sample1.txt"_s, u"x2.txt"_s} << 0 << 1;
        QTest::newRow("replace, no row contains the text: no refill")
            << MakeReplaceOperation(u"zzz"_s, u"x"_s) << QStringList{u"a.txt"_s, u"b.txt"_s}
            << QStringList{u"a.txt"_s, u"b.txt"_s} << QStringList{u"a.txt"_s, u"b.txt"_s} << 0 << 0;
        QTest::newRow("replace, empty result refused")
            << MakeReplaceOperation(u"a.txt"_s, QString()) << QStringList{u"a.txt"_s}
            << QStringList{u"a.txt"_s} << QStringList{u"a.txt"_s} << 1 << 1;
        QTest::newRow("add, middle target taken")
            << MakeAddStringOperation({u"new_"_s, Placement::Head, u"0"_s})
            << QStringList{u"a.txt"_s, u"b.txt"_s, u"c.txt"_s, u"new_b.txt"_s}
            << QStringList{u"a.txt"_s, u"b.txt"_s, u"c.txt"_s}
            << QStringList{u"new_a.txt"_s, u"b.txt"_s, u"new_b.txt"_s, u"new_c.txt"_s} << 1 << 1;
        QTest::newRow("add, tail without dot")
            << MakeAddStringOperation({u"_v2"_s, Placement::Tail, u"0"_s})
            << QStringList{u"readme"_s, u"report.txt"_s}
            << QStringList{u"readme"_s, u"report.txt"_s}
            << QStringList{u"readme_v2"_s, u"report_v2.txt"_s} << 0 << 1;
        QTest::newRow("serial, rows 1 and 3 from 5")
            << MakeSerialOperation(Serial(u"5"_s))
            << QStringList{u"a.txt"_s, u"b.txt"_s, u"c.txt"_s}
            << QStringList{u"a.txt"_s, u"c.txt"_s}
            << QStringList{u"[第5話]a.txt"_s, u"b.txt"_s, u"[第6話]c.txt"_s} << 0 << 1;
        QTest::newRow("serial, table order after a re-sort")
            << MakeSerialOperation(Serial(u"1"_s))
            << QStringList{u"a.txt"_s, u"b.txt"_s, u"c.txt"_s}
            << QStringList{u"c.txt"_s, u"a.txt"_s, u"b.txt"_s}
            << QStringList{u"[第1話]c.txt"_s, u"[第2話]a.txt"_s, u"[第3話]b.txt"_s} << 0 << 1;
        QTest::newRow("serial, failed row uses up its number")
            << MakeSerialOperation(Serial(u"1"_s)) << QStringList{u"a.txt"_s, u"c.txt"_s}
            << QStringList{u"a.txt"_s, u"gone.txt"_s, u"c.txt"_s}
            << QStringList{u"[第1話]a.txt"_s, u"[第3話]c.txt"_s} << 1 << 1;
        QTest::newRow("delete, whole marker")
            << MakeDeleteNumberedOperation({u"[第"_s, u"話]"_s, DeleteMode::StringsAndNumber})
            << QStringList{u"[第9話]基本設計.txt"_s, u"[第10話]詳細設計.txt"_s, u"memo.txt"_s}
            << QStringList{u"[第9話]基本設計.txt"_s, u"[第10話]詳細設計.txt"_s, u"memo.txt"_s}
            << QStringList{u"基本設計.txt"_s, u"詳細設計.txt"_s, u"memo.txt"_s} << 0 << 1;
        QTest::newRow("delete, number only")
            << MakeDeleteNumberedOperation({u"[第"_s, u"話]"_s, DeleteMode::NumberOnly})
            << QStringList{u"[第9話]基本設計.txt"_s} << QStringList{u"[第9話]基本設計.txt"_s}
            << QStringList{u"[第話]基本設計.txt"_s} << 0 << 1;
        QTest::newRow("delete, no name matches: no refill")
            << MakeDeleteNumberedOperation({QString(), u"話"_s, DeleteMode::StringsAndNumber})
            << QStringList{u".gitignore"_s, u"memo.txt"_s}
            << QStringList{u".gitignore"_s, u"memo.txt"_s}
            << QStringList{u".gitignore"_s, u"memo.txt"_s} << 0 << 0;
        QTest::newRow("two rows to one name")
            << MakeDeleteNumberedOperation({u"[第"_s, u"話]"_s, DeleteMode::StringsAndNumber})
            << QStringList{u"[第1話]x.txt"_s, u"[第2話]x.txt"_s}
            << QStringList{u"[第1話]x.txt"_s, u"[第2話]x.txt"_s}
            << QStringList{u"x.txt"_s, u"[第2話]x.txt"_s} << 1 << 1;
        QTest::newRow("every row fails, still refilled")
            << MakeAddStringOperation({u"new_"_s, Placement::Head, u"0"_s})
            << QStringList{u"kept.txt"_s} << QStringList{u"gone1.txt"_s, u"gone2.txt"_s}
            << QStringList{u"kept.txt"_s} << 2 << 1;
    }
    void renamesSelectedRows() {
        QFETCH(BatchOperation, operation);
        QFETCH(QStringList, files);
        QFETCH(QStringList, selected);
        QFETCH(QStringList, after);
        QFETCH(int, errors);
        QFETCH(int, refills);
        Harness run;
        for (const QString& name : files)
            run.folder.MakeFile(name, 4, name.toUtf8());
        run.selected = selected;
        run.boxes.QueueAnswer(true);

        run.Run(operation);

        QCOMPARE(run.folder.Names(), Sorted(after));
        QCOMPARE(run.Count(Kind::Error), errors);
        QCOMPARE(run.refills, refills);
        const auto& first = run.boxes.shown().first();
        QCOMPARE(first.kind, Kind::Confirm);
        QCOMPARE(first.text, operation.confirmText);
        for (const auto& box : run.boxes.shown()) {
            QCOMPARE(box.title, kCaption);
            QVERIFY(!box.text.isEmpty());
        }
    }

    void failedRenameShowsTheSystemText() {
        Harness run;
        for (const QString& name : {u"a.txt"_s, u"b.txt"_s, u"c.txt"_s})
            run.folder.MakeFile(name, 3, "old");
        run.folder.MakeFile(u"new_b.txt"_s, 5, "other");
        run.selected = {u"a.txt"_s, u"b.txt"_s, u"c.txt"_s};
        run.boxes.QueueAnswer(true);

        run.Run(MakeAddStringOperation({u"new_"_s, Placement::Head, u"0"_s}));

        QCOMPARE(run.boxes.ErrorTexts(), QStringList{SystemErrorText(EEXIST)});
        QCOMPARE(run.folder.Content(u"new_b.txt"_s), QByteArray("other"));
        QCOMPARE(run.folder.Content(u"b.txt"_s), QByteArray("old"));
    }

    void twoRowsToOneNameKeepTheirContents() {
        Harness run;
        run.folder.MakeFile(u"[第1話]x.txt"_s, 3, "one");
        run.folder.MakeFile(u"[第2話]x.txt"_s, 3, "two");
        run.selected = {u"[第1話]x.txt"_s, u"[第2話]x.txt"_s};
        run.boxes.QueueAnswer(true);

        run.Run(MakeDeleteNumberedOperation({u"[第"_s, u"話]"_s, DeleteMode::StringsAndNumber}));

        QCOMPARE(run.folder.Content(u"x.txt"_s), QByteArray("one"));
        QCOMPARE(run.folder.Content(u"[第2話]x.txt"_s), QByteArray("two"));
    }

    void cancelRenamesNothing() {
        Harness run;
        run.folder.MakeFile(u"sample.txt"_s);
        run.selected = {u"sample.txt"_s};
        run.boxes.QueueAnswer(false);

        run.Run(MakeReplaceOperation(u"sample"_s, u"x"_s));

        QCOMPARE(run.folder.Names(), QStringList{u"sample.txt"_s});
        QCOMPARE(run.boxes.shown().size(), 1);
        QCOMPARE(run.boxes.shown().first().kind, Kind::Confirm);
        QCOMPARE(run.boxes.shown().first().title, kCaption);
        QCOMPARE(run.refills, 0);
    }

    void noSelectedRowEndsSilently() {
        Harness run;
        run.folder.MakeFile(u"sample.txt"_s);
        run.boxes.QueueAnswer(true);

        run.Run(MakeReplaceOperation(u"sample"_s, u"x"_s));

        QCOMPARE(run.folder.Names(), QStringList{u"sample.txt"_s});
        QCOMPARE(run.boxes.Texts(), QStringList{u"置換を開始します。 本当にいいですか？"_s});
        QCOMPARE(run.refills, 0);
    }

    void failedCheckEndsBeforeConfirmation_data() {
        QTest::addColumn<BatchOperation>("operation");
        QTest::addColumn<QString>("message");
        const QString forbidden =
            u"ファイル名には次の文字は使えません。\r\n\\　/　,　;　:　*　?　\"　<　>　|"_s;
        QTest::newRow("replace, empty find")
            << MakeReplaceOperation(QString(), u"/"_s) << u"文字列を入力して下さい。"_s;
        QTest::newRow("replace, forbidden replacement")
            << MakeReplaceOperation(u"a"_s, u"a;b"_s) << forbidden;
        QTest::newRow("add, colon")
            << MakeAddStringOperation({u"a:b"_s, Placement::Head, u"x"_s}) << forbidden;
        QTest::newRow("add, position not numeric")
            << MakeAddStringOperation({u"a"_s, Placement::Head, u"x"_s})
            << u"数字を入力して下さい。"_s;
        QTest::newRow("serial, start not numeric")
            << MakeSerialOperation(Serial(u"abc"_s)) << u"数字を入力して下さい。"_s;
        QTest::newRow("delete, both empty")
            << MakeDeleteNumberedOperation({QString(), QString(), DeleteMode::StringsAndNumber})
            << u"どちらか一方には、文字列を入力して下さい。"_s;
        QTest::newRow("delete, numeric start")
            << MakeDeleteNumberedOperation({u"1"_s, QString(), DeleteMode::StringsAndNumber})
            << u"数値は入力できません。"_s;
    }
    void failedCheckEndsBeforeConfirmation() {
        QFETCH(BatchOperation, operation);
        QFETCH(QString, message);
        Harness run;
        run.folder.MakeFile(u"1a.txt"_s);
        run.selected = {u"1a.txt"_s};

        run.Run(operation);

        QCOMPARE(run.boxes.shown().size(), 1);
        QCOMPARE(run.boxes.shown().first().kind, Kind::Error);
        QCOMPARE(run.boxes.shown().first().text, message);
        QCOMPARE(run.boxes.shown().first().title, kCaption);
        QCOMPARE(run.folder.Names(), QStringList{u"1a.txt"_s});
        QCOMPARE(run.refills, 0);
    }

    void renameFileToTellsTheFailure_data() {
        QTest::addColumn<QString>("oldName");
        QTest::addColumn<QString>("newName");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("renamed") << u"memo.txt"_s << u"note.txt"_s
                                 << int(RenameOutcome::Kind::Renamed) << QString()
                                 << QStringList{u"note.txt"_s};
        QTest::newRow("same name")
            << u"memo.txt"_s << u"memo.txt"_s << int(RenameOutcome::Kind::NothingToDo) << QString()
            << QStringList{u"memo.txt"_s};
        QTest::newRow("missing file")
            << u"gone.txt"_s << u"note.txt"_s << int(RenameOutcome::Kind::Failed)
            << SystemErrorText(ENOENT) << QStringList{u"memo.txt"_s};
        QTest::newRow("into a sub-folder refused")
            << u"memo.txt"_s << u"sub/memo.txt"_s << int(RenameOutcome::Kind::Failed)
            << u"ファイル名に「/」やヌル文字は使えません。"_s << QStringList{u"memo.txt"_s};
        QTest::newRow("dot dot refused")
            << u"memo.txt"_s << u".."_s << int(RenameOutcome::Kind::Failed)
            << u"「.」と「..」はファイル名に使えません。"_s << QStringList{u"memo.txt"_s};
    }
    void renameFileToTellsTheFailure() {
        QFETCH(QString, oldName);
        QFETCH(QString, newName);
        QFETCH(int, kind);
        QFETCH(QString, error);
        QFETCH(QStringList, after);
        test::TempFolder folder;
        folder.MakeFile(u"memo.txt"_s);
        FileSystem fileSystem;

        const RenameOutcome outcome = TryRenameFileTo(fileSystem, folder.path(), oldName, newName);

        QCOMPARE(int(outcome.kind), kind);
        QCOMPARE(outcome.error, error);
        QCOMPARE(folder.Names(), after);
    }
};

}  // namespace miravel

QTEST_GUILESS_MAIN(miravel::BatchRenameTest)
#include "tst_batchrename.moc"
