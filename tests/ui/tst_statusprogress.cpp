#include <QMainWindow>
#include <QProgressBar>
#include <QStatusBar>
#include <QTest>

#include "app/widgets/StatusProgress.h"

using namespace miravel;

// The bar of one piece of work after another: each starts at zero and goes out full, however
// few of its steps were painted.
class StatusProgressTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void eachPieceOfWorkStartsAtZeroAndEndsFull() {
        QMainWindow window;
        auto* statusBar = new QStatusBar(&window);
        window.setStatusBar(statusBar);
        window.show();
        StatusProgress progress(&window);
        progress.AttachTo(statusBar);
        progress.SetDelayMs(0);
        QProgressBar* bar = progress.Bar();
        QList<int> shownValues;  // every value the bar took while it was up
        connect(bar, &QProgressBar::valueChanged, this, [&](int value) {
            if (bar->isVisible())
                shownValues << value;
        });
        QList<int> valuesOnAppearing;
        connect(&progress, &StatusProgress::Appeared, this,
                [&] { valuesOnAppearing << bar->value(); });

        constexpr qint64 kTotal = 20000;
        for (int run = 0; run < 2; ++run) {
            progress.Begin(kTotal);
            QCOMPARE(bar->value(), 0);
            // The steps come faster than the bar is repainted.
            for (qint64 done = 1; done <= kTotal; ++done)
                progress.Advance(done);
            progress.End();
            QVERIFY(!bar->isVisible());
            QCOMPARE(shownValues.last(), int(kTotal));
        }
        QCOMPARE(valuesOnAppearing, (QList<int>{1, 1}));
        QCOMPARE(bar->maximum(), int(kTotal));
    }
};

QTEST_MAIN(StatusProgressTest)
#include "tst_statusprogress.moc"
