#include <QTest>

#include "app/WindowSize.h"

using namespace miravel;

class WindowSizeTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void opensWithinTheScreenAndAboveTheMinimum_data() {
        QTest::addColumn<QSize>("wanted");
        QTest::addColumn<QSize>("minimum");
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QRect>("opening");
        QTest::newRow("room enough: as wanted, centred")
            << QSize(680, 640) << QSize(500, 400) << QRect(0, 0, 1400, 1000)
            << QRect(360, 180, 680, 640);
        QTest::newRow("a short screen: as high as it is")
            << QSize(680, 640) << QSize(500, 400) << QRect(0, 32, 1000, 468)
            << QRect(160, 32, 680, 468);
        QTest::newRow("below the minimum: grown to it")
            << QSize(300, 200) << QSize(500, 400) << QRect(0, 0, 1400, 1000)
            << QRect(450, 300, 500, 400);
        QTest::newRow("a screen smaller than the minimum: the screen wins")
            << QSize(680, 640) << QSize(700, 650) << QRect(100, 0, 600, 500)
            << QRect(100, 0, 600, 500);
        QTest::newRow("no screen known: as wanted")
            << QSize(680, 640) << QSize(500, 400) << QRect() << QRect(0, 0, 680, 640);
    }
    void opensWithinTheScreenAndAboveTheMinimum() {
        QFETCH(QSize, wanted);
        QFETCH(QSize, minimum);
        QFETCH(QRect, available);
        QTEST(OpeningWindowGeometry(wanted, minimum, available), "opening");
    }
};

QTEST_GUILESS_MAIN(WindowSizeTest)
#include "tst_windowsize.moc"
