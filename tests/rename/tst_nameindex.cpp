#include <QTest>

#include "rename/NameIndex.h"

using namespace Qt::StringLiterals;

namespace miravel {

class NameIndexTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void findsByKey_data() {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<bool>("ignoresCase");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("number");
        const QStringList names{u"memo.txt"_s, u"Memo.txt"_s, u"写真.jpg"_s, u"STRAẞE"_s};
        QTest::newRow("exact name") << names << false << u"写真.jpg"_s << 2;
        QTest::newRow("other case, case counts") << names << false << u"MEMO.TXT"_s << -1;
        QTest::newRow("other case, case ignored: the first of its key")
            << names << true << u"MEMO.TXT"_s << 0;
        QTest::newRow("folded, not upper-cased") << names << true << u"straße"_s << 3;
        QTest::newRow("absent") << names << true << u"memo.md"_s << -1;
        QTest::newRow("no names") << QStringList() << false << u"a"_s << -1;
    }
    void findsByKey() {
        QFETCH(QStringList, names);
        QFETCH(bool, ignoresCase);
        QFETCH(QString, name);
        QFETCH(int, number);

        const NameIndex index(names, ignoresCase);

        QCOMPARE(index.Look(name).number, number);
        QVERIFY(index.IsOf(names, ignoresCase));
    }

    void fullTableStillFindsEveryName() {
        // Many names on few slots' worth of hash bits: every probe chain ends.
        QStringList names;
        for (int i = 0; i < 5000; ++i)
            names << QString::number(i);
        const NameIndex index(names, false);
        for (int i = 0; i < 5000; i += 499)
            QCOMPARE(index.Look(QString::number(i)).number, i);
        QCOMPARE(index.Look(u"5000"_s).number, -1);
    }

    void indexOfOtherNamesIsNotTheirs() {
        const QStringList names{u"a"_s};
        QStringList equal = names;
        equal.detach();
        const NameIndex index(names, false);
        QVERIFY(!index.IsOf(equal, false));
        QVERIFY(!index.IsOf(names, true));
    }
};

}  // namespace miravel

QTEST_GUILESS_MAIN(miravel::NameIndexTest)
#include "tst_nameindex.moc"
