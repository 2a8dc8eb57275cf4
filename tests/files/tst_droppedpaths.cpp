#include <QTest>

#include "files/DroppedPaths.h"
#include "platform/FileNameCodec.h"

using namespace miravel;

class DroppedPathsTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void localPathsInDropOrder_data() {
        QTest::addColumn<QStringList>("urls");
        QTest::addColumn<QStringList>("paths");
        QTest::newRow("a folder, its trailing slash dropped")
            << QStringList{"file:///home/u/photos/"} << QStringList{"/home/u/photos"};
        QTest::newRow("files in drop order")
            << QStringList{"file:///home/u/b.jpg", "file:///home/u/a.jpg"}
            << QStringList{"/home/u/b.jpg", "/home/u/a.jpg"};
        QTest::newRow("escaped space, percent sign and Japanese")
            << QStringList{"file:///home/u/x%2050%25.jpg", "file:///home/u/%E8%B3%87%E6%96%99.txt"}
            << QStringList{"/home/u/x 50%.jpg", "/home/u/資料.txt"};
        QTest::newRow("this machine by name")
            << QStringList{"file://localhost/tmp/a.txt"} << QStringList{"/tmp/a.txt"};
        QTest::newRow("web, other machines and relative paths are passed over")
            << QStringList{"https://example.org/x.jpg", "file://server/share/a.txt", "file:tmp",
                           "file:///tmp/b.txt"}
            << QStringList{"/tmp/b.txt"};
    }
    void localPathsInDropOrder() {
        QFETCH(QStringList, urls);
        QList<QUrl> dropped;
        for (const QString& url : urls)
            dropped << QUrl(url);
        QTEST(LocalPathsOfUrls(dropped), "paths");
    }

    // A name that is not UTF-8 reaches the disk with its own bytes.
    void bytesThatAreNotUtf8Survive() {
        const QStringList paths = LocalPathsOfUrls({QUrl("file:///tmp/caf%E9.txt")});
        QCOMPARE(paths.size(), 1);
        QCOMPARE(EncodeFileName(paths.front()), QByteArray("/tmp/caf\xE9.txt"));
    }
};

QTEST_GUILESS_MAIN(DroppedPathsTest)
#include "tst_droppedpaths.moc"
