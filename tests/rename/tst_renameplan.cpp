#include <QTest>
#include <cerrno>

#include "platform/FileNameCodec.h"
#include "platform/FileSystem.h"
#include "platform/SystemErrorText.h"
#include "rename/BatchRename.h"
#include "rename/FolderEntriesRead.h"
#include "rename/NameIndex.h"
#include "rename/RenamePlan.h"
#include "support/BatchDialogue.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/TempFolder.h"

using namespace Qt::StringLiterals;

namespace miravel {

namespace {

// "old → new" pairs; a selected name without a pair is skipped by the operation.
NewNameFunction Mapping(const QStringList& pairs) {
    QHash<QString, QString> to;
    for (const QString& pair : pairs) {
        const QStringList parts = pair.split(u" → "_s);
        to.insert(parts[0], parts.value(1));
    }
    return [to](const QString& name, qint64) -> std::optional<QString> {
        if (!to.contains(name))
            return std::nullopt;
        return to.value(name);
    };
}

QString MarkName(PlanMark mark) {
    switch (mark) {
        case PlanMark::Renames:
            return u"renames"_s;
        case PlanMark::NothingToDo:
            return u"nothing to do"_s;
        case PlanMark::UnusableName:
            return u"unusable"_s;
        case PlanMark::Missing:
            return u"missing"_s;
        case PlanMark::NameTooLong:
            return u"too long"_s;
        case PlanMark::NameTaken:
            return u"taken"_s;
        case PlanMark::NameTakenUntilLater:
            return u"taken until later"_s;
        case PlanMark::SameAsEarlierRow:
            return u"same as earlier row"_s;
    }
    return {};
}

QStringList Marks(const RenamePlan& plan) {
    QStringList marks;
    for (const PlannedRename& row : plan.rows)
        marks << MarkName(row.mark);
    return marks;
}

// The folder's names once the rows the plan expects to succeed are renamed, sorted.
QStringList NamesAfter(QStringList names, const RenamePlan& plan) {
    for (const PlannedRename& row : plan.rows) {
        if (row.mark != PlanMark::Renames)
            continue;
        names.removeOne(row.oldName);
        names << row.newName;
    }
    names.sort();
    return names;
}

// The names' lookups in the index, as a caller that plans again and again keeps them.
std::vector<NameLookup> LookUp(const NameIndex& index, const QStringList& names) {
    std::vector<NameLookup> lookups;
    for (const QString& name : names)
        lookups.push_back(index.Look(name));
    return lookups;
}

// Reports every name of other case as the same file, as a file system that ignores case does.
class CaseBlindFileSystem : public FileSystem {
  public:
    bool IsSameFile(const QString& pathA, const QString& pathB) const override {
        return pathA.compare(pathB, Qt::CaseInsensitive) == 0;
    }
};

}  // namespace

class RenamePlanTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void marksEachRow_data() {
        QTest::addColumn<QStringList>("folder");
        QTest::addColumn<QStringList>("selected");
        QTest::addColumn<QStringList>("mapping");
        QTest::addColumn<bool>("ignoresCase");
        QTest::addColumn<QStringList>("marks");

        const QStringList ab{u"a"_s, u"b"_s};
        QTest::newRow("plain renames") << ab << ab << QStringList{u"a → x"_s, u"b → y"_s} << false
                                       << QStringList{u"renames"_s, u"renames"_s};
        QTest::newRow("collision with a file outside the selection")
            << QStringList{u"a"_s, u"b"_s, u"x"_s} << ab << QStringList{u"a → x"_s, u"b → y"_s}
            << false << QStringList{u"taken"_s, u"renames"_s};
        QTest::newRow("collision with a sub-folder or any entry")
            << QStringList{u"a"_s, u"sub"_s} << QStringList{u"a"_s} << QStringList{u"a → sub"_s}
            << false << QStringList{u"taken"_s};
        QTest::newRow("two rows to one name")
            << ab << ab << QStringList{u"a → x"_s, u"b → x"_s} << false
            << QStringList{u"renames"_s, u"same as earlier row"_s};
        QTest::newRow("chain: the name is freed only later in the table")
            << ab << ab << QStringList{u"a → b"_s, u"b → c"_s} << false
            << QStringList{u"taken until later"_s, u"renames"_s};
        QTest::newRow("chain in freeing order")
            << ab << QStringList{u"b"_s, u"a"_s} << QStringList{u"a → b"_s, u"b → c"_s} << false
            << QStringList{u"renames"_s, u"renames"_s};
        QTest::newRow("swap") << ab << ab << QStringList{u"a → b"_s, u"b → a"_s} << false
                              << QStringList{u"taken until later"_s, u"taken"_s};
        QTest::newRow("name freed by an earlier row")
            << ab << ab << QStringList{u"a → c"_s, u"b → a"_s} << false
            << QStringList{u"renames"_s, u"renames"_s};
        QTest::newRow("the failed row keeps its name taken")
            << QStringList{u"a"_s, u"b"_s, u"x"_s} << ab << QStringList{u"a → x"_s, u"b → a"_s}
            << false << QStringList{u"taken"_s, u"taken"_s};
        QTest::newRow("case only, case counts")
            << QStringList{u"memo.txt"_s} << QStringList{u"memo.txt"_s}
            << QStringList{u"memo.txt → Memo.txt"_s} << false << QStringList{u"renames"_s};
        QTest::newRow("case only onto a file of that case, case counts")
            << QStringList{u"memo.txt"_s, u"Memo.txt"_s} << QStringList{u"memo.txt"_s}
            << QStringList{u"memo.txt → Memo.txt"_s} << false << QStringList{u"taken"_s};
        QTest::newRow("case only, case ignored")
            << QStringList{u"memo.txt"_s} << QStringList{u"memo.txt"_s}
            << QStringList{u"memo.txt → MEMO.TXT"_s} << true << QStringList{u"renames"_s};
        QTest::newRow("other case taken, case ignored")
            << QStringList{u"a.txt"_s, u"B.txt"_s} << QStringList{u"a.txt"_s}
            << QStringList{u"a.txt → b.txt"_s} << true << QStringList{u"taken"_s};
        QTest::newRow("two rows differing in case, case ignored")
            << ab << ab << QStringList{u"a → X"_s, u"b → x"_s} << true
            << QStringList{u"renames"_s, u"same as earlier row"_s};
        QTest::newRow("two rows differing in case, case counts")
            << ab << ab << QStringList{u"a → X"_s, u"b → x"_s} << false
            << QStringList{u"renames"_s, u"renames"_s};
        QTest::newRow("identical name") << ab << ab << QStringList{u"a → a"_s, u"b → c"_s} << false
                                        << QStringList{u"nothing to do"_s, u"renames"_s};
        QTest::newRow("empty name") << ab << QStringList{u"a"_s} << QStringList{u"a → "_s} << false
                                    << QStringList{u"unusable"_s};
        QTest::newRow("slash and dot-dot") << ab << ab << QStringList{u"a → x/y"_s, u"b → .."_s}
                                           << false << QStringList{u"unusable"_s, u"unusable"_s};
        QTest::newRow("255 bytes fit, 256 do not")
            << ab << ab
            << QStringList{u"a → "_s + QString(255, u'x'), u"b → "_s + QString(256, u'y')} << false
            << QStringList{u"renames"_s, u"too long"_s};
        QTest::newRow("bytes counted encoded")
            << ab << QStringList{u"a"_s} << QStringList{u"a → "_s + QString(86, u'あ')} << false
            << QStringList{u"too long"_s};
        QTest::newRow("file gone since the listing")
            << QStringList{u"b"_s} << ab << QStringList{u"a → a"_s, u"b → c"_s} << false
            << QStringList{u"missing"_s, u"renames"_s};
        QTest::newRow("unusable before missing")
            << QStringList{u"b"_s} << QStringList{u"a"_s} << QStringList{u"a → "_s} << false
            << QStringList{u"unusable"_s};
        QTest::newRow("skipped rows left out")
            << QStringList{u"a"_s, u"b"_s, u"c"_s} << QStringList{u"a"_s, u"b"_s, u"c"_s}
            << QStringList{u"a → x"_s, u"c → b"_s} << false
            << QStringList{u"renames"_s, u"taken"_s};
    }
    void marksEachRow() {
        QFETCH(QStringList, folder);
        QFETCH(QStringList, selected);
        QFETCH(QStringList, mapping);
        QFETCH(bool, ignoresCase);
        QFETCH(QStringList, marks);
        FolderEntries entries{folder, ignoresCase, {}};

        const RenamePlan plan = PlanRenames(selected, Mapping(mapping), entries);

        QCOMPARE(Marks(plan), marks);
        QCOMPARE(plan.selectedCount, selected.size());
        QCOMPARE(plan.failures,
                 marks.size() - marks.count(u"renames"_s) - marks.count(u"nothing to do"_s));
        QCOMPARE(plan.unchanged, marks.count(u"nothing to do"_s));
        QCOMPARE(plan.changes + plan.unchanged, qsizetype(plan.rows.size()));

        // A plan through an index kept between plans marks alike: with the rows' lookups, with
        // lookups that moved to other rows, and with an index of other names and its lookups.
        const NameIndex index(folder, ignoresCase);
        std::vector<NameLookup> lookups = LookUp(index, selected);
        QCOMPARE(Marks(PlanRenames(selected, Mapping(mapping), entries, &index, lookups)), marks);
        std::reverse(lookups.begin(), lookups.end());
        QCOMPARE(Marks(PlanRenames(selected, Mapping(mapping), entries, &index, lookups)), marks);
        const NameIndex other(selected, ignoresCase);
        QCOMPARE(Marks(PlanRenames(selected, Mapping(mapping), entries, &other,
                                   LookUp(other, selected))),
                 marks);
    }

    void hardLinkOfTheSameFileIsNothingToDo() {
        FolderEntries entries{{u"a"_s, u"link"_s}, false, [](const QString& x, const QString& y) {
                                  return QSet<QString>{x, y} == QSet<QString>{u"a"_s, u"link"_s};
                              }};
        const RenamePlan plan = PlanRenames({u"a"_s}, Mapping({u"a → link"_s}), entries);
        QCOMPARE(Marks(plan), QStringList{u"nothing to do"_s});
    }

    void selectedIndexCountsSkippedRows() {
        const QStringList selected{u"a"_s, u"skip"_s, u"c"_s};
        const NewNameFunction numbered = [](const QString& name,
                                            qint64 index) -> std::optional<QString> {
            if (name == u"skip"_s)
                return std::nullopt;
            return name + QString::number(index);
        };
        const RenamePlan plan = PlanRenames(selected, numbered, {selected, false, {}});
        QCOMPARE(plan.rows.size(), size_t(2));
        QCOMPARE(plan.rows[1].newName, u"c2"_s);
    }

    void detailsListEveryRow() {
        const RenamePlan plan =
            PlanRenames({u"a"_s, u"b"_s, u"c"_s, u"%1"_s},
                        Mapping({u"a → x"_s, u"b → x"_s, u"c → c"_s, u"%1 → %2"_s}),
                        {{u"a"_s, u"b"_s, u"c"_s, u"%1"_s}, false, {}});
        QCOMPARE(PlanDetails(plan).split(u'\n'),
                 (QStringList{u"3件の名前を変更します（失敗の見込み 1件、変更なし 1件）"_s,
                              u"a → x"_s, u"× b → x（前の行と同じ名前になります）"_s,
                              u"＝ c（変更なし）"_s, u"%1 → %2"_s}));
    }

    void folderCaseFoundOnAnEntry_data() {
        QTest::addColumn<bool>("caseBlind");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<bool>("ignoresCase");
        QTest::newRow("real folder") << false << QStringList{u"Memo.txt"_s} << false;
        QTest::newRow("case-blind file system") << true << QStringList{u"Memo.txt"_s} << true;
        QTest::newRow("names without letters tell nothing")
            << true << QStringList{u"123"_s, u"_-_"_s} << false;
        QTest::newRow("two names differing in case prove it counts")
            << true << QStringList{u"a"_s, u"A"_s} << false;
    }
    void folderCaseFoundOnAnEntry() {
        QFETCH(bool, caseBlind);
        QFETCH(QStringList, files);
        QFETCH(bool, ignoresCase);
        test::TempFolder folder;
        for (const QString& name : files)
            folder.MakeFile(name);
        FileSystem real;
        CaseBlindFileSystem blind;
        const FileSystem& fileSystem = caseBlind ? blind : real;

        const FolderEntries entries = ReadFolderEntries(fileSystem, folder.path(), {});

        QCOMPARE(entries.ignoresCase, ignoresCase);
        QStringList names = entries.names;
        names.sort();
        files.sort();
        QCOMPARE(names, files);
    }

    // The plan shown before the run is what the run then does on a real folder.
    void runDoesWhatThePlanSays_data() {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QStringList>("selected");
        QTest::addColumn<QStringList>("mapping");

        const QStringList abc{u"a"_s, u"b"_s, u"c"_s};
        QTest::newRow("collision outside the selection")
            << QStringList{u"a"_s, u"b"_s, u"x"_s} << QStringList{u"a"_s, u"b"_s}
            << QStringList{u"a → x"_s, u"b → y"_s};
        QTest::newRow("sub-folder in the way")
            << QStringList{u"a"_s, u"sub/"_s} << QStringList{u"a"_s} << QStringList{u"a → sub"_s};
        QTest::newRow("duplicates")
            << abc << abc << QStringList{u"a → x"_s, u"b → x"_s, u"c → x"_s};
        QTest::newRow("chain") << abc << abc << QStringList{u"a → b"_s, u"b → c"_s, u"c → d"_s};
        QTest::newRow("chain in freeing order") << abc << QStringList{u"c"_s, u"b"_s, u"a"_s}
                                                << QStringList{u"a → b"_s, u"b → c"_s, u"c → d"_s};
        QTest::newRow("swap") << abc << QStringList{u"a"_s, u"b"_s}
                              << QStringList{u"a → b"_s, u"b → a"_s};
        QTest::newRow("case only")
            << QStringList{u"memo.txt"_s, u"Note.txt"_s}
            << QStringList{u"memo.txt"_s, u"Note.txt"_s}
            << QStringList{u"memo.txt → Memo.txt"_s, u"Note.txt → memo.txt"_s};
        QTest::newRow("unusable, too long, identical")
            << abc << abc << QStringList{u"a → "_s, u"b → "_s + QString(300, u'b'), u"c → c"_s};
        QTest::newRow("file gone since the listing")
            << QStringList{u"b"_s} << abc << QStringList{u"a → x"_s, u"b → a"_s, u"c → c"_s};
        // Bytes E3 and 81 82 that are not UTF-8 on their own come together as "あ".
        const QString escaped = DecodeFileName("\xe3[1]\x81\x82");
        const QString joined = DecodeFileName("\xe3") + DecodeFileName("\x81\x82");
        QTest::newRow("escaped bytes joined into a name that is taken")
            << QStringList{escaped, u"あ"_s} << QStringList{escaped}
            << QStringList{escaped + u" → "_s + joined};
        QTest::newRow("escaped bytes joined into a new name")
            << QStringList{escaped} << QStringList{escaped}
            << QStringList{escaped + u" → "_s + joined};
    }
    void runDoesWhatThePlanSays() {
        QFETCH(QStringList, files);
        QFETCH(QStringList, selected);
        QFETCH(QStringList, mapping);
        test::TempFolder folder;
        QStringList onDisk;
        for (const QString& name : files) {
            if (name.endsWith(u'/')) {
                folder.MakeFolder(name.chopped(1));
                onDisk << name.chopped(1);
            } else {
                folder.MakeFileRaw(EncodeFileName(name));
                onDisk << name;
            }
        }
        FileSystem fileSystem;
        test::ScriptedMessageBoxes boxes;
        boxes.QueueAnswer(true);
        const RenamePlan plan = PlanRenames(selected, Mapping(mapping),
                                            ReadFolderEntries(fileSystem, folder.path(), {}));
        const std::optional<BatchResult> result =
            test::RunBatch(fileSystem, boxes, u"Miravel 1.0"_s,
                           {{{}, u"確認"_s, Mapping(mapping), {}},
                            folder.path(),
                            selected,
                            ReadFolderEntries(fileSystem, folder.path(), selected)});
        QVERIFY(result);
        const std::vector<RenamedFile> recorded = result->Renamed();

        QCOMPARE(boxes.shown().first().details, PlanDetails(plan));
        QStringList namesOnDisk;
        for (const QByteArray& raw : folder.RawNames())
            namesOnDisk << DecodeFileName(raw);
        namesOnDisk.sort();
        QCOMPARE(namesOnDisk, NamesAfter(onDisk, plan));
        QCOMPARE(boxes.ErrorTexts().size(), plan.failures);
        QStringList expectedRecord, actualRecord;
        for (const PlannedRename& row : plan.rows)
            if (row.mark == PlanMark::Renames)
                expectedRecord << row.oldName + u" → "_s + row.newName;
        for (const RenamedFile& file : recorded)
            actualRecord << file.oldName + u" → "_s + file.newName;
        QCOMPARE(actualRecord, expectedRecord);
    }

    void expectedFailureStillShowsTheSystemText() {
        test::TempFolder folder;
        folder.MakeFile(u"a"_s);
        folder.MakeFile(u"b"_s);
        FileSystem fileSystem;
        test::ScriptedMessageBoxes boxes;
        boxes.QueueAnswer(true);
        test::RunBatch(fileSystem, boxes, QString(),
                       {{{}, u"確認"_s, Mapping({u"a → b"_s}), {}},
                        folder.path(),
                        {u"a"_s},
                        ReadFolderEntries(fileSystem, folder.path(), {u"a"_s})});

        QVERIFY(boxes.shown().first().details.contains(u"× a → b"_s));
        QCOMPARE(boxes.ErrorTexts(), QStringList{SystemErrorText(EEXIST)});
    }
};

}  // namespace miravel

QTEST_GUILESS_MAIN(miravel::RenamePlanTest)
#include "tst_renameplan.moc"
