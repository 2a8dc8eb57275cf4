#include <QTest>

#include "platform/DriveRoots.h"
#include "platform/FileSystem.h"

using namespace miravel;

namespace {

QByteArray Line(const char* point, const char* type, const char* source = "/dev/sda1") {
    return QByteArray("36 25 8:1 / ") + point + " rw,relatime shared:1 - " + type + ' ' + source +
           " rw\n";
}

}  // namespace

class DriveRootsTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void PicksBrowsableVolumes_data();
    void PicksBrowsableVolumes();
    void ChoosesTheClosestRootOfAFolder_data();
    void ChoosesTheClosestRootOfAFolder();
    void OffersTheRootFolderOnThisMachine();
};

void DriveRootsTest::PicksBrowsableVolumes_data() {
    QTest::addColumn<QByteArray>("mountInfo");
    QTest::addColumn<QString>("home");
    QTest::addColumn<QStringList>("roots");

    const QByteArray desktop = Line("/", "ext4") + Line("/proc", "proc", "proc") +
                               Line("/sys", "sysfs", "sysfs") + Line("/run", "tmpfs", "tmpfs") +
                               Line("/boot/efi", "vfat") + Line("/home", "ext4", "/dev/sda2") +
                               Line("/media/taro/USB\\040STICK", "vfat", "/dev/sdb1") +
                               Line("/run/media/taro/CAMERA", "exfat", "/dev/sdc1") +
                               Line("/mnt/backup", "xfs", "/dev/sdd1") +
                               Line("/mnt/scratch", "tmpfs", "tmpfs") +
                               Line("/run/user/1000/gvfs", "fuse.gvfsd-fuse", "gvfsd-fuse") +
                               Line("/snap/core/1", "squashfs", "/dev/loop0");
    QTest::newRow("desktop") << desktop << "/home/taro"
                             << QStringList{"/",           "/home",
                                            "/home/taro",  "/media/taro/USB STICK",
                                            "/mnt/backup", "/run/media/taro/CAMERA"};
    QTest::newRow("home on the root volume, trailing slash")
        << Line("/", "ext4") << "/home/taro/" << QStringList{"/", "/home/taro"};
    QTest::newRow("no home") << Line("/", "ext4") << "" << QStringList{"/"};
    QTest::newRow("unreadable mount table") << QByteArray() << "/root" << QStringList{"/", "/root"};
    QTest::newRow("garbage lines")
        << QByteArray("nonsense\n- - -\n\n1 2 3\n") + Line("/mnt", "ext4") << "/root"
        << QStringList{"/", "/mnt", "/root"};
    QTest::newRow("mount point with a backslash and a tab")
        << Line("/media/a\\134b\\011c", "ext4") << "" << QStringList{"/", "/media/a\\b\tc"};
    QTest::newRow("optional fields absent")
        << QByteArray("1 0 8:1 / /mnt/x rw - ext4 /dev/x rw\n") << "" << QStringList{"/", "/mnt/x"};
    QTest::newRow("lookalike prefix not taken")
        << Line("/mediax", "ext4") + Line("/mnt2", "ext4") << "" << QStringList{"/"};
}

void DriveRootsTest::PicksBrowsableVolumes() {
    QFETCH(QByteArray, mountInfo);
    QFETCH(QString, home);
    QFETCH(QStringList, roots);
    QCOMPARE(DriveRootsFromMountInfo(mountInfo, home), roots);
}

void DriveRootsTest::ChoosesTheClosestRootOfAFolder_data() {
    QTest::addColumn<QString>("folder");
    QTest::addColumn<int>("index");
    QTest::newRow("inside the home folder") << "/home/taro/photos" << 2;
    QTest::newRow("a root itself") << "/home" << 1;
    QTest::newRow("a lookalike prefix is not inside") << "/homeless/x" << 0;
    QTest::newRow("under the system root only") << "/usr/bin" << 0;
    QTest::newRow("relative: no root") << "photos" << -1;
}

void DriveRootsTest::ChoosesTheClosestRootOfAFolder() {
    QFETCH(QString, folder);
    QFETCH(int, index);
    QCOMPARE(RootIndexFor({"/", "/home", "/home/taro", "/mnt/backup"}, folder), index);
}

void DriveRootsTest::OffersTheRootFolderOnThisMachine() {
    const QStringList roots = FileSystem().DriveRoots();
    QVERIFY(roots.contains("/"));
    QStringList sorted = roots;
    sorted.sort();
    QCOMPARE(roots, sorted);
    for (const QString& root : roots)
        QVERIFY2(FileSystem().FolderExists(root), qPrintable(root));
}

QTEST_GUILESS_MAIN(DriveRootsTest)
#include "tst_driveroots.moc"
