#include <QApplication>
#include <QFile>
#include <QHeaderView>
#include <QIcon>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include "files/FileTableModel.h"
#include "files/widgets/FileTableItemModel.h"
#include "files/widgets/FileTableView.h"
#include "support/WindowHarness.h"

using namespace miravel;
using namespace miravel::test;

// The window on a screen with two device pixels per logical pixel, as QT_SCALE_FACTOR=2 or a
// high-DPI monitor gives it.
class HighDpiTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void WindowKeepsItsLogicalWidthAndFitsTheScreen();
    void HeaderImagesHaveTheirOwnPixels_data();
    void HeaderImagesHaveTheirOwnPixels();
};

// The screen is 1,400 by 1,000 device pixels: 700 by 500 logical ones.
void HighDpiTest::WindowKeepsItsLogicalWidthAndFitsTheScreen() {
    WindowHarness harness;
    MainWindow& window = harness.Open();
    QCOMPARE(window.devicePixelRatio(), 2.0);
    QCOMPARE(window.screen()->availableGeometry().size(), QSize(700, 500));
    QCOMPARE(window.width(), 680);
    // Its title bar included, the window stays on the screen, and at its least size nothing
    // overlaps: that size still fits.
    QVERIFY2(window.height() <= 500 - 30, qPrintable(QString::number(window.height())));
    QCOMPARE(window.minimumSize(), window.minimumSizeHint());
    const QPixmap shot = window.grab();
    QCOMPARE(shot.devicePixelRatio(), 2.0);
    QCOMPARE(shot.width(), 1360);
}

void HighDpiTest::HeaderImagesHaveTheirOwnPixels_data() {
    QTest::addColumn<qreal>("ratio");
    QTest::newRow("two device pixels per pixel") << 2.0;
    QTest::newRow("three device pixels per pixel") << 3.0;
}

void HighDpiTest::HeaderImagesHaveTheirOwnPixels() {
    QFETCH(qreal, ratio);
    WindowHarness harness;
    MainWindow& window = harness.Open();
    const QIcon icon = window.TableModel()
                           ->headerData(kNameColumn, Qt::Horizontal, Qt::DecorationRole)
                           .value<QIcon>();
    QVERIFY(!icon.isNull());
    // An image drawn for the ratio, not a small one blown up: its pixel size is the logical size
    // times the ratio.
    const QSize logical(9, 8);
    const QPixmap pixmap = icon.pixmap(logical, ratio);
    QCOMPARE(pixmap.devicePixelRatio(), ratio);
    QCOMPARE(pixmap.size(), logical * ratio);
    QVERIFY(icon.availableSizes().contains(logical * ratio));
}

int main(int argc, char* argv[]) {
    qputenv("QT_SCALE_FACTOR", "2");
    QTemporaryDir folder;
    QFile screens(folder.filePath("screens.json"));
    if (!screens.open(QIODevice::WriteOnly) ||
        screens.write(R"({"screens": [{"name": "short", "x": 0, "y": 0, "width": 1400,
                          "height": 1000, "logicalDpi": 96, "logicalBaseDpi": 96}]})") < 0)
        return 1;
    screens.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.fileName().toLocal8Bit());
    QApplication app(argc, argv);
    HighDpiTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_highdpi.moc"
