// Batch runs on real folders that other programs change under them, names of every kind of
// byte, and folders the user may not write.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QFile>
#include <QTest>
#include <algorithm>
#include <cerrno>
#include <functional>
#include <utility>

#include "files/WildcardPattern.h"
#include "platform/FileNameCodec.h"
#include "platform/FileSystem.h"
#include "platform/SystemErrorText.h"
#include "rename/AddStringOperation.h"
#include "rename/BatchRename.h"
#include "rename/DeleteNumberedOperation.h"
#include "rename/ReplaceOperation.h"
#include "rename/SerialOperation.h"
#include "support/BatchDialogue.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/TempFolder.h"
#include "support/Unprivileged.h"

using namespace Qt::StringLiterals;

namespace miravel {

// What another program does to the folder: once after the fill, or at the first rename.
using FolderChange = std::function<void(test::TempFolder&)>;

}  // namespace miravel

Q_DECLARE_METATYPE(miravel::BatchOperation)
Q_DECLARE_METATYPE(miravel::FolderChange)

namespace miravel {

namespace {

const QString kCaption = u"Miravel 1.0"_s;

BatchOperation AddHead(const QString& text) {
    return MakeAddStringOperation({text, Placement::Head, u"0"_s});
}

struct Run {
    test::TempFolder folder;
    FileSystem fileSystem;
    test::ScriptedMessageBoxes boxes;
    int refills = 0;

    void Go(const BatchOperation& operation, const QStringList& selected) {
        boxes.QueueAnswer(true);
        const std::optional<BatchResult> result =
            test::RunBatch(fileSystem, boxes, kCaption, {operation, folder.path(), selected, {}});
        if (result && result->Attempted())
            ++refills;
    }
};

QByteArray RawPath(const test::TempFolder& folder, const QByteArray& name) {
    return QFile::encodeName(folder.path()) + '/' + name;
}

struct stat RawStatus(const test::TempFolder& folder, const QByteArray& name) {
    struct stat st {};
    ::lstat(RawPath(folder, name).constData(), &st);
    return st;
}

void WriteRaw(const test::TempFolder& folder, const QByteArray& name, const QByteArray& content) {
    const int fd = ::open(RawPath(folder, name).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    QVERIFY(fd >= 0);
    QCOMPARE(::write(fd, content.constData(), std::size_t(content.size())),
             ssize_t(content.size()));
    ::close(fd);
}

QByteArray RawContent(const test::TempFolder& folder, const QByteArray& name) {
    QByteArray content;
    const int fd = ::open(RawPath(folder, name).constData(), O_RDONLY);
    if (fd < 0)
        return content;
    char buffer[512];
    for (ssize_t got; (got = ::read(fd, buffer, sizeof buffer)) > 0;)
        content.append(buffer, got);
    ::close(fd);
    return content;
}

void Rename(test::TempFolder& folder, const QString& from, const QString& to) {
    QVERIFY(::rename(QFile::encodeName(folder.FilePath(from)).constData(),
                     QFile::encodeName(folder.FilePath(to)).constData()) == 0);
}

}  // namespace

class BatchRenameFaultsTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    // Files a.txt, b.txt and c.txt are listed and selected; then another program steps in.
    // The folder afterwards is given as name:content.
    void vanishedFilesGiveOneBoxEachAndTheRunGoesOn_data() {
        QTest::addColumn<FolderChange>("afterFill");
        QTest::addColumn<FolderChange>("atFirstRename");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<QList<int>>("errors");
        const FolderChange nothing = [](test::TempFolder&) {};
        const FolderChange removeB = [](test::TempFolder& f) {
            QVERIFY(QFile::remove(f.FilePath("b.txt")));
        };
        const FolderChange moveB = [](test::TempFolder& f) { Rename(f, "b.txt", "moved.txt"); };
        QTest::newRow("removed after the fill")
            << removeB << nothing << QStringList{u"new_a.txt:a"_s, u"new_c.txt:c"_s}
            << QList<int>{ENOENT};
        QTest::newRow("renamed by another program after the fill")
            << moveB << nothing << QStringList{u"moved.txt:b"_s, u"new_a.txt:a"_s, u"new_c.txt:c"_s}
            << QList<int>{ENOENT};
        QTest::newRow("two of three gone") << FolderChange([](test::TempFolder& f) {
            QVERIFY(QFile::remove(f.FilePath("a.txt")));
            Rename(f, "c.txt", "moved.txt");
        }) << nothing << QStringList{u"moved.txt:c"_s, u"new_b.txt:b"_s}
                                           << QList<int>{ENOENT, ENOENT};
        QTest::newRow("replaced by a folder after the fill")
            << FolderChange([](test::TempFolder& f) {
                   QVERIFY(QFile::remove(f.FilePath("b.txt")));
                   f.MakeFolder("b.txt");
               })
            << nothing << QStringList{u"b.txt:"_s, u"new_a.txt:a"_s, u"new_c.txt:c"_s}
            << QList<int>{EISDIR};
        QTest::newRow("removed while the run is under way")
            << nothing << removeB << QStringList{u"new_a.txt:a"_s, u"new_c.txt:c"_s}
            << QList<int>{ENOENT};
        QTest::newRow("renamed while the run is under way")
            << nothing << moveB << QStringList{u"moved.txt:b"_s, u"new_a.txt:a"_s, u"new_c.txt:c"_s}
            << QList<int>{ENOENT};
        QTest::newRow("the new name taken while the run is under way")
            << nothing << FolderChange([](test::TempFolder& f) { f.MakeFile("new_b.txt", 1, "Z"); })
            << QStringList{u"b.txt:b"_s, u"new_a.txt:a"_s, u"new_b.txt:Z"_s, u"new_c.txt:c"_s}
            << QList<int>{EEXIST};
    }
    void vanishedFilesGiveOneBoxEachAndTheRunGoesOn() {
        QFETCH(FolderChange, afterFill);
        QFETCH(FolderChange, atFirstRename);
        QFETCH(QStringList, after);
        QFETCH(QList<int>, errors);
        Run run;
        for (const char* name : {"a.txt", "b.txt", "c.txt"})
            run.folder.MakeFile(name, 1, QByteArray(name).left(1));
        afterFill(run.folder);
        bool changed = false;
        run.fileSystem.beforeRenameHook = [&](const QString&, const QString&) {
            if (!std::exchange(changed, true))
                atFirstRename(run.folder);
        };

        run.Go(AddHead(u"new_"_s), {u"a.txt"_s, u"b.txt"_s, u"c.txt"_s});

        QStringList expectedErrors;
        for (const int error : errors)
            expectedErrors << SystemErrorText(error);
        QCOMPARE(run.boxes.ErrorTexts(), expectedErrors);
        for (const auto& box : run.boxes.shown())
            QCOMPARE(box.title, kCaption);
        QCOMPARE(run.refills, 1);
        QStringList found;
        for (const QString& name : run.folder.Names())
            found << name + u':' + QString::fromUtf8(run.folder.Content(name));
        QCOMPARE(found, after);
    }

    // A name of any bytes is listed, and each operation changes exactly the bytes it was asked
    // to change: the rest of the name, the file's content, inode and times stay.
    void oddNamesKeepEveryOtherByte_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<BatchOperation>("operation");
        QTest::addColumn<QByteArray>("after");
        const QList<std::pair<const char*, QByteArray>> names = {
            {"not UTF-8", "caf\xe9 memo.txt"},
            {"U+3000", "第9話\xe3\x80\x80memo.txt"},
            {"U+FF0C",
             "a\xef\xbc\x8c"
             "b memo.txt"},
            {"combining mark", "cafe\xcc\x81 memo.txt"},
            {"emoji", "\xf0\x9f\x98\x80 memo.txt"},
            {"all of them",
             "\xf0\x9f\x98\x80\xe3\x80\x80"
             "e\xcc\x81\xef\xbc\x8c\xff memo.txt"},
        };
        const SerialFields serialHead{u"[第"_s, u"1"_s, u"話]"_s, u"2"_s, Placement::Head, u"0"_s};
        SerialFields serialTail = serialHead;
        serialTail.placement = Placement::Tail;
        for (const auto& [label, raw] : names) {
            const QByteArray base = raw.chopped(4);
            QTest::addRow("%s, replace", label)
                << raw << MakeReplaceOperation(u"memo"_s, u"ノート"_s)
                << QByteArray(raw).replace("memo", "ノート");
            QTest::addRow("%s, add at the head", label) << raw << AddHead(u"新_"_s) << "新_" + raw;
            QTest::addRow("%s, add at the tail", label)
                << raw << MakeAddStringOperation({u"_v2"_s, Placement::Tail, u"0"_s})
                << base + "_v2.txt";
            QTest::addRow("%s, serial at the head", label)
                << raw << MakeSerialOperation(serialHead) << "[第01話]" + raw;
            QTest::addRow("%s, serial at the tail", label)
                << raw << MakeSerialOperation(serialTail) << base + "[第01話].txt";
            QTest::addRow("%s, delete the marker", label)
                << "[第3話]" + raw
                << MakeDeleteNumberedOperation({u"[第"_s, u"話]"_s, DeleteMode::StringsAndNumber})
                << raw;
            QTest::addRow("%s, delete the number only", label)
                << "[第3話]" + raw
                << MakeDeleteNumberedOperation({u"[第"_s, u"話]"_s, DeleteMode::NumberOnly})
                << "[第話]" + raw;
        }
        QTest::newRow("not UTF-8, add after three characters")
            << QByteArray("caf\xe9 memo.txt")
            << MakeAddStringOperation({u"+"_s, Placement::Position, u"3"_s})
            << QByteArray("caf+\xe9 memo.txt");
        QTest::newRow("emoji, a position inside the pair moves past it")
            << QByteArray("\xf0\x9f\x98\x80 memo.txt")
            << MakeAddStringOperation({u"+"_s, Placement::Position, u"1"_s})
            << QByteArray("\xf0\x9f\x98\x80+ memo.txt");
        QTest::newRow("a byte that is not UTF-8 inside the marker: no marker")
            << QByteArray(
                   "[\xe7\xac\xac"
                   "3\xff\xe8\xa9\xb1"
                   "]memo.txt")
            << MakeDeleteNumberedOperation({u"[第"_s, u"話]"_s, DeleteMode::StringsAndNumber})
            << QByteArray();
    }
    void oddNamesKeepEveryOtherByte() {
        QFETCH(QByteArray, before);
        QFETCH(BatchOperation, operation);
        QFETCH(QByteArray, after);
        Run run;
        run.folder.MakeFileRaw("neighbour\xfe.txt", 0);
        WriteRaw(run.folder, before, "content " + before);
        const struct stat statusBefore = RawStatus(run.folder, before);

        const FolderListing listing =
            run.fileSystem.ListFiles(run.folder.path(), WildcardPattern(u"*.*"_s));
        QVERIFY(listing.ok);
        QCOMPARE(listing.files.size(), std::size_t(2));
        QString listed;
        for (const ListedFile& file : listing.files)
            if (EncodeFileName(file.name) == before)
                listed = file.name;
        QVERIFY(!listed.isEmpty());

        run.Go(operation, {listed});

        QCOMPARE(run.boxes.ErrorTexts(), QStringList());
        const QByteArray expected = after.isEmpty() ? before : after;
        QList<QByteArray> expectedNames{expected, "neighbour\xfe.txt"};
        std::sort(expectedNames.begin(), expectedNames.end());
        QCOMPARE(run.folder.RawNames(), expectedNames);
        QCOMPARE(RawContent(run.folder, expected), "content " + before);
        const struct stat statusAfter = RawStatus(run.folder, expected);
        QCOMPARE(statusAfter.st_ino, statusBefore.st_ino);
        QCOMPARE(statusAfter.st_mtim.tv_sec, statusBefore.st_mtim.tv_sec);
        QCOMPARE(statusAfter.st_mtim.tv_nsec, statusBefore.st_mtim.tv_nsec);
        QCOMPARE(run.refills, after.isEmpty() ? 0 : 1);
    }

    // Root ignores permission bits, so the run is made by the unprivileged user "nobody".
    void folderTheUserMayNotChangeRenamesNothing_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("error");
        QTest::newRow("read-only folder") << 0555 << EACCES;
        QTest::newRow("shared folder, files of another user") << 01777 << EPERM;
    }
    void folderTheUserMayNotChangeRenamesNothing() {
        QFETCH(int, mode);
        QFETCH(int, error);
        test::TempFolder folder;
        folder.MakeFolder("shared");
        folder.MakeFile("shared/a.txt", 1, "A");
        folder.MakeFile("shared/b.txt", 1, "B");
        const QString shared = folder.FilePath("shared");
        QCOMPARE(::chmod(QFile::encodeName(folder.path()).constData(), 0755), 0);
        QCOMPARE(::chmod(QFile::encodeName(shared).constData(), mode_t(mode)), 0);

        const std::optional<QByteArray> report = test::RunAsNobody([&] {
            FileSystem fileSystem;
            test::ScriptedMessageBoxes boxes;
            boxes.QueueAnswer(true);
            int refills = 0;
            const std::optional<BatchResult> result =
                test::RunBatch(fileSystem, boxes, kCaption,
                               {AddHead(u"new_"_s), shared, {u"a.txt"_s, u"b.txt"_s}, {}});
            if (result && result->Attempted())
                ++refills;
            return (QStringList{QString::number(refills)} + boxes.ErrorTexts()).join('\n').toUtf8();
        });
        ::chmod(QFile::encodeName(shared).constData(), 0755);
        if (!report)
            QSKIP("cannot run as an unprivileged user here");
        const QString expected = SystemErrorText(error);
        QCOMPARE(QString::fromUtf8(*report), (QStringList{u"1"_s, expected, expected}).join('\n'));
        QCOMPARE(folder.Content("shared/a.txt"), QByteArray("A"));
        QCOMPARE(folder.Content("shared/b.txt"), QByteArray("B"));
        QVERIFY(!folder.Exists("shared/new_a.txt"));
        QVERIFY(!folder.Exists("shared/new_b.txt"));
    }
};

}  // namespace miravel

QTEST_GUILESS_MAIN(miravel::BatchRenameFaultsTest)
#include "tst_batchrenamefaults.moc"
