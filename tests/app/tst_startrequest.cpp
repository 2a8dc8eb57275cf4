#include <QTest>

#include "app/StartRequest.h"

using namespace miravel;

Q_DECLARE_METATYPE(StartRequest::Action)

namespace {

using Action = StartRequest::Action;

// A name whose byte 0x80 is no UTF-8, as the file name codec carries it.
const QString kOddName = QStringLiteral("p") + QChar(0xDC80) + QStringLiteral(".jpg");

// A disk of a few folders and files; the program is started in /w.
PathKind KindOf(const QString& path) {
    static const QStringList folders = {"/", "/w", "/w/sub", "/other", "/w/写真"};
    static const QStringList files = {"/w/a.txt",           "/w/b.txt",     "/w/-x.txt",
                                      "/w/sub/c.txt",       "/other/d.txt", "/r.txt",
                                      "/w/写真/" + kOddName};
    if (folders.contains(path))
        return PathKind::Folder;
    return files.contains(path) ? PathKind::File : PathKind::Missing;
}

StartRequest Read(const QStringList& arguments) {
    return ReadStartRequest(QStringList{"miravel"} + arguments, "/w", KindOf, "Miravel 1.0");
}

}  // namespace

class StartRequestTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void opens_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QStringList>("selectNames");
        QTest::addColumn<QStringList>("missing");
        QTest::addColumn<QStringList>("otherFolders");
        const QStringList none;
        QTest::newRow("nothing: the remembered folder") << none << "" << none << none << none;
        QTest::newRow("absolute folder")
            << QStringList{"/w/sub"} << "/w/sub" << none << none << none;
        QTest::newRow("relative folder") << QStringList{"sub"} << "/w/sub" << none << none << none;
        QTest::newRow("working folder") << QStringList{"."} << "/w" << none << none << none;
        QTest::newRow("spelled untidily")
            << QStringList{"../w//sub/./"} << "/w/sub" << none << none << none;
        QTest::newRow("the root") << QStringList{"/"} << "/" << none << none << none;
        QTest::newRow("files of one folder") << QStringList{"b.txt", "/w/a.txt"} << "/w"
                                             << QStringList{"b.txt", "a.txt"} << none << none;
        QTest::newRow("a file named twice")
            << QStringList{"a.txt", "./a.txt"} << "/w" << QStringList{"a.txt"} << none << none;
        QTest::newRow("a file in the root")
            << QStringList{"/r.txt"} << "/" << QStringList{"r.txt"} << none << none;
        QTest::newRow("a name of any bytes") << QStringList{"写真/" + kOddName} << "/w/写真"
                                             << QStringList{kOddName} << none << none;
        QTest::newRow("a folder and files in it")
            << QStringList{"sub", "sub/c.txt", "/w/sub"} << "/w/sub" << QStringList{"c.txt"} << none
            << none;
        QTest::newRow("files of two folders: the first one's")
            << QStringList{"a.txt", "/other/d.txt", "b.txt"} << "/w"
            << QStringList{"a.txt", "b.txt"} << none << QStringList{"/other/d.txt"};
        QTest::newRow("two folders: the first")
            << QStringList{"sub", "/other"} << "/w/sub" << none << none << QStringList{"/other"};
        QTest::newRow("a missing one before")
            << QStringList{"gone.txt", "a.txt"} << "/w" << QStringList{"a.txt"}
            << QStringList{"gone.txt"} << none;
        QTest::newRow("only missing ones") << QStringList{"gone", "/nowhere/x"} << "" << none
                                           << QStringList{"gone", "/nowhere/x"} << none;
        QTest::newRow("an empty argument is no folder")
            << QStringList{""} << "" << none << QStringList{""} << none;
        QTest::newRow("a name like an option after --")
            << QStringList{"--", "-x.txt"} << "/w" << QStringList{"-x.txt"} << none << none;
    }
    void opens() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, folder);
        QFETCH(QStringList, selectNames);
        QFETCH(QStringList, missing);
        QFETCH(QStringList, otherFolders);
        const StartRequest request = Read(arguments);
        QCOMPARE(request.action, Action::Start);
        QCOMPARE(request.folder, folder);
        QCOMPARE(request.selectNames, selectNames);
        QCOMPARE(request.missing, missing);
        QCOMPARE(request.otherFolders, otherFolders);
    }

    void answers_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<StartRequest::Action>("action");
        QTest::addColumn<QStringList>("outputHas");
        const QStringList help = {"使い方", "--help", "--version", "フォルダ"};
        QTest::newRow("--help") << QStringList{"--help"} << Action::Help << help;
        QTest::newRow("-h") << QStringList{"-h"} << Action::Help << help;
        QTest::newRow("help beside a folder") << QStringList{"sub", "-h"} << Action::Help << help;
        QTest::newRow("help beside the toolkit's options")
            << QStringList{"-platform", "offscreen", "--help"} << Action::Help << help;
        QTest::newRow("--version")
            << QStringList{"--version"} << Action::Version << QStringList{"Miravel 1.0\n"};
        QTest::newRow("-v") << QStringList{"-v"} << Action::Version << QStringList{"Miravel 1.0\n"};
        // Read letter by letter, -reverse would spell -v.
        QTest::newRow("a word after one dash is one option")
            << QStringList{"-reverse"} << Action::UsageError
            << QStringList{"-reverse", "miravel --help"};
        QTest::newRow("an unknown option")
            << QStringList{"a.txt", "--frobnicate"} << Action::UsageError
            << QStringList{"不明なオプション", "--frobnicate"};
        QTest::newRow("a value after a switch")
            << QStringList{"--version=2"} << Action::UsageError << QStringList{"miravel --help"};
    }
    void answers() {
        QFETCH(QStringList, arguments);
        QFETCH(StartRequest::Action, action);
        QFETCH(QStringList, outputHas);
        const StartRequest request = Read(arguments);
        QCOMPARE(request.action, action);
        for (const QString& part : outputHas)
            QVERIFY2(request.output.contains(part), qPrintable(request.output));
        QVERIFY(request.output.endsWith('\n'));
        QVERIFY(request.folder.isEmpty());
    }

    void notice_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("noticeHas");
        QTest::newRow("all opened") << QStringList{"a.txt", "sub/../b.txt"} << QStringList{};
        QTest::newRow("missing") << QStringList{"gone.txt", "a.txt"}
                                 << QStringList{"見つからない", "\n\ngone.txt"};
        QTest::newRow("another folder") << QStringList{"a.txt", "/other/d.txt"}
                                        << QStringList{"ひとつだけ", "/w 以外", "\n\n/other/d.txt"};
        QTest::newRow("both") << QStringList{"a.txt", "gone.txt", "/other"}
                              << QStringList{"gone.txt", "/other"};
        QStringList many;
        for (int i = 1; i <= 12; ++i)
            many << QStringLiteral("gone%1").arg(i, 2, 10, QLatin1Char('0'));
        QTest::newRow("many: ten and a count")
            << many << QStringList{"gone01\n", "gone10\nほか 2 件"};
    }
    void notice() {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, noticeHas);
        const QString notice = StartRequestNotice(Read(arguments));
        QCOMPARE(notice.isEmpty(), noticeHas.isEmpty());
        for (const QString& part : noticeHas)
            QVERIFY2(notice.contains(part), qPrintable(notice));
    }
};

QTEST_APPLESS_MAIN(StartRequestTest)
#include "tst_startrequest.moc"
