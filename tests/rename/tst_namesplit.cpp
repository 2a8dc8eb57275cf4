#include <QTest>

#include "rename/NameInsertion.h"
#include "rename/NameSplit.h"

using namespace Qt::StringLiterals;

namespace miravel {

class NameSplitTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void splitsAtLastDot_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("base");
        QTest::addColumn<QString>("extension");
        QTest::addColumn<bool>("hasDot");
        QTest::newRow("plain") << u"memo.txt"_s << u"memo"_s << u"txt"_s << true;
        QTest::newRow("several dots") << u"a.b.c"_s << u"a.b"_s << u"c"_s << true;
        QTest::newRow("no dot") << u"readme"_s << u"readme"_s << QString() << false;
        QTest::newRow("leading dot") << u".profile"_s << QString() << u"profile"_s << true;
        QTest::newRow("trailing dot") << u"readme."_s << u"readme"_s << QString() << true;
        QTest::newRow("full-width stop") << u"a．b"_s << u"a．b"_s << QString() << false;
        QTest::newRow("empty") << QString() << QString() << QString() << false;
    }
    void splitsAtLastDot() {
        QFETCH(QString, name);
        QFETCH(QString, base);
        QFETCH(QString, extension);
        QFETCH(bool, hasDot);
        const NameParts parts = SplitFileName(name);
        QCOMPARE(parts.base, base);
        QCOMPARE(parts.extension, extension);
        QCOMPARE(parts.hasDot, hasDot);
    }

    // A name gains a final "." only when it had one.
    void joinsNewBase_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("newBase");
        QTest::addColumn<QString>("expected");
        QTest::newRow("plain") << u"report.txt"_s << u"report_v2"_s << u"report_v2.txt"_s;
        QTest::newRow("no dot") << u"readme"_s << u"readme_v2"_s << u"readme_v2"_s;
        QTest::newRow("trailing dot kept") << u"readme."_s << u"readme_v2"_s << u"readme_v2."_s;
        QTest::newRow("leading dot") << u".profile"_s << u"_v2"_s << u"_v2.profile"_s;
    }
    void joinsNewBase() {
        QFETCH(QString, name);
        QFETCH(QString, newBase);
        QFETCH(QString, expected);
        QCOMPARE(JoinBaseAndExtension(newBase, SplitFileName(name)), expected);
    }

    void insertsByPlacement_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("placement");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("expected");
        const int head = int(Placement::Head);
        const int tail = int(Placement::Tail);
        const int at = int(Placement::Position);
        QTest::newRow("head keeps leading dot") << u".profile"_s << head << 0 << u"X.profile"_s;
        QTest::newRow("tail before last dot") << u"a.b.c"_s << tail << 0 << u"a.bX.c"_s;
        QTest::newRow("position in base") << u"report.txt"_s << at << 2 << u"reXport.txt"_s;
        QTest::newRow("position beyond base") << u"a.b.c"_s << at << 5 << u"a.bX.c"_s;
        QTest::newRow("position at base end") << u"report.txt"_s << at << 6 << u"reportX.txt"_s;
        QTest::newRow("surrogate pair not cut") << u"𠮷野家.txt"_s << at << 1 << u"𠮷X野家.txt"_s;
        QTest::newRow("after surrogate pair") << u"𠮷野家.txt"_s << at << 2 << u"𠮷X野家.txt"_s;
        QTest::newRow("no dot, position") << u"readme"_s << at << 2 << u"reXadme"_s;
    }
    void insertsByPlacement() {
        QFETCH(QString, name);
        QFETCH(int, placement);
        QFETCH(int, position);
        QFETCH(QString, expected);
        QCOMPARE(InsertIntoName(name, u"X", Placement(placement), position), expected);
    }
};

}  // namespace miravel

QTEST_GUILESS_MAIN(miravel::NameSplitTest)
#include "tst_namesplit.moc"
