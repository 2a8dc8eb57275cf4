// The boxes around the session's work, answered by script.
#include <QFile>
#include <QTest>
#include <cerrno>

#include "app/SessionPrompts.h"
#include "platform/FileSystem.h"
#include "platform/SystemErrorText.h"
#include "session/FolderSession.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/TempFolder.h"

using namespace Qt::StringLiterals;

namespace miravel {

namespace {

const QString kCaption = u"Miravel 1.0"_s;
using Kind = test::ScriptedMessageBoxes::Shown::Kind;

struct Fixture {
    test::TempFolder folder;
    FileSystem fileSystem;
    test::ScriptedMessageBoxes boxes;
    FolderSession session{fileSystem};
    SessionPrompts prompts{session, boxes, kCaption};

    explicit Fixture(const QStringList& names) {
        for (const QString& name : names)
            folder.MakeFile(name);
        session.OpenFolder(folder.path());
    }
    QStringList Kinds() const {
        QStringList kinds;
        for (const auto& box : boxes.shown())
            kinds << (box.kind == Kind::Confirm ? u"confirm"_s : u"error"_s);
        return kinds;
    }
};

}  // namespace

class SessionPromptsTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void aRunAsksThenTellsEachFailure_data() {
        QTest::addColumn<QString>("find");
        QTest::addColumn<int>("answers");  // -1 none, 0 Cancel, 1 OK
        QTest::addColumn<QStringList>("kinds");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("refused input: one box, no question")
            << QString() << -1 << QStringList{u"error"_s} << QStringList{u"a1"_s, u"a2"_s, u"b1"_s};
        QTest::newRow("cancelled")
            << u"a"_s << 0 << QStringList{u"confirm"_s} << QStringList{u"a1"_s, u"a2"_s, u"b1"_s};
        QTest::newRow("one rename fails") << u"a"_s << 1 << QStringList{u"confirm"_s, u"error"_s}
                                          << QStringList{u"a1"_s, u"b1"_s, u"b2"_s};
    }
    void aRunAsksThenTellsEachFailure() {
        QFETCH(QString, find);
        QFETCH(int, answers);
        QFETCH(QStringList, kinds);
        QFETCH(QStringList, after);
        Fixture f({u"a1"_s, u"a2"_s, u"b1"_s});
        if (answers >= 0)
            f.boxes.QueueAnswer(answers == 1);

        f.prompts.Run(ReplaceFields{find, u"b"_s});

        QCOMPARE(f.Kinds(), kinds);
        for (const auto& box : f.boxes.shown())
            QCOMPARE(box.title, kCaption);
        QCOMPARE(f.folder.Names(), after);
        if (kinds.size() == 2) {
            QCOMPARE(f.boxes.shown().at(1).text, SystemErrorText(EEXIST));
            QVERIFY(f.boxes.shown().first().details.contains(u"× a1 → b1"_s));
        }
    }

    void undoTellsWhatItCouldNotTakeBack() {
        Fixture f({u"a1"_s, u"a2"_s});
        f.boxes.QueueAnswer(true);
        f.prompts.Run(ReplaceFields{u"a"_s, u"b"_s});
        QVERIFY(QFile::remove(f.folder.FilePath(u"b2"_s)));
        f.boxes.Clear();

        f.prompts.Undo();

        QCOMPARE(f.boxes.ErrorTexts(), QStringList{SystemErrorText(ENOENT)});
        QCOMPARE(f.boxes.shown().first().title, kCaption);
        QCOMPARE(f.folder.Names(), QStringList{u"a1"_s});
    }

    void refusalsOfTheSessionAreShown() {
        Fixture f({u"memo.txt"_s, u"other.txt"_s});

        f.session.OpenVolume(f.folder.FilePath(u"missing"_s));
        f.session.RenameInPlace(0, u"memo.txt"_s, u"other.txt"_s);

        QCOMPARE(
            f.boxes.ErrorTexts(),
            (QStringList{SystemErrorText(ENOENT),
                         u"指定されたファイル名は既に存在します。別の名前を指定してください。"_s}));
        QCOMPARE(f.boxes.shown().at(0).title, kCaption);
        QCOMPARE(f.boxes.shown().at(1).title, u"名前の変更エラー"_s);
    }
};

}  // namespace miravel

QTEST_GUILESS_MAIN(miravel::SessionPromptsTest)
#include "tst_sessionprompts.moc"
