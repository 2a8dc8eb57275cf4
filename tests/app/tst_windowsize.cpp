#include <QTest>

#include "app/WindowSize.h"

using namespace miravel;

class WindowSizeTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void opensWithinTheScreenAndAboveTheMinimum_data() {
        QTest::addColumn<QSize>("wanted");
        QTest::addColumn<QSize>("minimum");
        QTest::addColumn<QSize>("room");
        QTest::addColumn<QSize>("opening");
        QTest::newRow("room enough: as wanted")
            << QSize(680, 640) << QSize(480, 420) << QSize(1400, 968) << QSize(680, 640);
        QTest::newRow("a short screen: as high as it is")
            << QSize(680, 640) << QSize(480, 420) << QSize(700, 468) << QSize(680, 468);
        QTest::newRow("below the minimum: grown to it")
            << QSize(300, 200) << QSize(480, 420) << QSize(1400, 968) << QSize(480, 420);
        QTest::newRow("a screen smaller than the minimum: the screen wins")
            << QSize(680, 640) << QSize(700, 650) << QSize(600, 500) << QSize(600, 500);
        QTest::newRow("no screen known: as wanted")
            << QSize(680, 640) << QSize(480, 420) << QSize() << QSize(680, 640);
    }
    void opensWithinTheScreenAndAboveTheMinimum() {
        QFETCH(QSize, wanted);
        QFETCH(QSize, minimum);
        QFETCH(QSize, room);
        QTEST(OpeningWindowSize(wanted, minimum, room), "opening");
    }
};

QTEST_GUILESS_MAIN(WindowSizeTest)
#include "tst_windowsize.moc"
