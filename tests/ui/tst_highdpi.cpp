#include <QApplication>
#include <QHeaderView>
#include <QIcon>
#include <QScreen>
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
    void WindowKeepsItsLogicalWidth();
    void HeaderImagesHaveTheirOwnPixels_data();
    void HeaderImagesHaveTheirOwnPixels();
};

void HighDpiTest::WindowKeepsItsLogicalWidth() {
    WindowHarness harness;
    MainWindow& window = harness.Open();
    QCOMPARE(window.devicePixelRatio(), 2.0);
    // Its logical width, unless the screen (half as wide in logical pixels) has less room.
    const QRect available = window.screen()->availableGeometry();
    const int width = std::min(680, available.width());
    QCOMPARE(window.width(), width);
    QVERIFY(window.height() <= available.height());
    const QPixmap shot = window.grab();
    QCOMPARE(shot.devicePixelRatio(), 2.0);
    QCOMPARE(shot.width(), 2 * width);
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
    QApplication app(argc, argv);
    HighDpiTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_highdpi.moc"
