#include <QTest>

#include "files/DroppedPaths.h"

using namespace miravel;

namespace {

const QStringList kFolders = {"/home/u/photos", "/home/u/photos/2026", "/tmp"};
const QStringList kFiles = {"/home/u/photos/a.jpg", "/home/u/photos/b.jpg",
                            "/home/u/photos/2026/c.jpg", "/tmp/d.txt", "/home/u/photos/x 50%.jpg"};

QList<QUrl> Urls(const QStringList& texts) {
    QList<QUrl> urls;
    for (const QString& text : texts)
        urls << QUrl(text);
    return urls;
}

}  // namespace

class DroppedPathsTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void opensTheFolderOrTheFilesFolder_data() {
        QTest::addColumn<QStringList>("urls");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QStringList>("files");
        QTest::newRow("a folder") << QStringList{"file:///home/u/photos/2026/"}
                                  << "/home/u/photos/2026" << QStringList{};
        QTest::newRow("files of one folder, in drop order")
            << QStringList{"file:///home/u/photos/b.jpg", "file:///home/u/photos/a.jpg"}
            << "/home/u/photos" << QStringList{"b.jpg", "a.jpg"};
        QTest::newRow("files of two folders: the first one's")
            << QStringList{"file:///tmp/d.txt", "file:///home/u/photos/a.jpg"} << "/tmp"
            << QStringList{"d.txt"};
        QTest::newRow("a folder after files wins")
            << QStringList{"file:///home/u/photos/a.jpg", "file:///tmp"} << "/tmp" << QStringList{};
        QTest::newRow("a name with a space and a percent sign")
            << QStringList{"file:///home/u/photos/x%2050%25.jpg"} << "/home/u/photos"
            << QStringList{"x 50%.jpg"};
        QTest::newRow("a file named twice is selected once")
            << QStringList{"file:///home/u/photos/a.jpg", "file:///home/u/photos/a.jpg"}
            << "/home/u/photos" << QStringList{"a.jpg"};
        QTest::newRow("gone entries and web addresses are passed over")
            << QStringList{"file:///home/u/gone", "https://example.org/x.jpg",
                           "file:///home/u/photos/a.jpg"}
            << "/home/u/photos" << QStringList{"a.jpg"};
        QTest::newRow("nothing that can be opened")
            << QStringList{"https://example.org/", "file:///nowhere.txt"} << QString()
            << QStringList{};
        QTest::newRow("a relative path is refused")
            << QStringList{"file:tmp"} << QString() << QStringList{};
    }
    void opensTheFolderOrTheFilesFolder() {
        QFETCH(QStringList, urls);
        const DroppedPaths dropped = FolderForDroppedUrls(
            Urls(urls), [](const QString& path) { return kFolders.contains(path); },
            [](const QString& path) { return kFiles.contains(path); });
        QTEST(dropped.folder, "folder");
        QTEST(dropped.files, "files");
    }
};

QTEST_GUILESS_MAIN(DroppedPathsTest)
#include "tst_droppedpaths.moc"
