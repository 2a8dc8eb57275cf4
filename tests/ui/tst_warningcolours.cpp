#include <QGuiApplication>
#include <QPalette>
#include <QTest>

#include "platform/widgets/WarningColours.h"

using namespace miravel;

class WarningColoursTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void contrastFollowsTheWcagFormula_data() {
        QTest::addColumn<QColor>("a");
        QTest::addColumn<QColor>("b");
        QTest::addColumn<double>("ratio");
        QTest::newRow("black on white") << QColor(0, 0, 0) << QColor(255, 255, 255) << 21.0;
        QTest::newRow("a colour on itself") << QColor(200, 30, 40) << QColor(200, 30, 40) << 1.0;
        QTest::newRow("white on the old fixed light red")
            << QColor(255, 255, 255) << QColor(255, 128, 128) << 2.43;
    }
    void contrastFollowsTheWcagFormula() {
        QFETCH(QColor, a);
        QFETCH(QColor, b);
        QFETCH(double, ratio);
        QVERIFY2(qAbs(ContrastRatio(a, b) - ratio) < 0.01,
                 qPrintable(QString::number(ContrastRatio(a, b))));
    }

    void refusedFieldsStayReadable_data() {
        QTest::addColumn<QColor>("base");
        QTest::addColumn<QColor>("text");
        QTest::newRow("light") << QColor(255, 255, 255) << QColor(0, 0, 0);
        QTest::newRow("dark") << QColor(42, 42, 42) << QColor(255, 255, 255);
        QTest::newRow("black with light grey text") << QColor(0, 0, 0) << QColor(200, 200, 200);
        QTest::newRow("middle grey") << QColor(128, 128, 128) << QColor(0, 0, 0);
        QTest::newRow("dark blue with pale text") << QColor(20, 30, 60) << QColor(220, 220, 255);
    }
    void refusedFieldsStayReadable() {
        QFETCH(QColor, base);
        QFETCH(QColor, text);
        QPalette palette;
        palette.setColor(QPalette::Base, base);
        palette.setColor(QPalette::Text, text);
        const QPalette refused = RefusedPalette(palette);
        const QColor fill = refused.color(QPalette::Base);
        const QColor ink = refused.color(QPalette::Text);
        QVERIFY2(ContrastRatio(fill, ink) >= 4.5, qPrintable(fill.name() + " / " + ink.name()));
        // Still a warning: red leads, and the box no longer looks like the others.
        QVERIFY(fill.red() > fill.green() && fill.red() > fill.blue());
        QVERIFY(fill != base);
    }
};

QTEST_MAIN(WarningColoursTest)
#include "tst_warningcolours.moc"
