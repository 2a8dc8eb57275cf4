#include <QTest>
#include <algorithm>
#include <numeric>

#include "files/NaturalOrder.h"

using namespace miravel;

class NaturalOrderTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void Orders_data();
    void Orders();
    void AgreesWithFoldedKeys();
};

namespace {

int Sign(int value) {
    return value < 0 ? -1 : value > 0 ? 1 : 0;
}

int OrderOf(const QString& left, const QString& right) {
    NaturalNameOrder order;
    order.Add(left);
    order.Add(right);
    return Sign(order.Compare(0, 1));
}

}  // namespace

void NaturalOrderTest::Orders_data() {
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("right");
    QTest::addColumn<int>("expected");
    QTest::newRow("numbers by value") << "ep2.mp4"
                                      << "ep10.mp4" << -1;
    QTest::newRow("case ignored before code units") << "B.txt"
                                                    << "a.txt" << 1;
    QTest::newRow("same folded name: upper case first") << "A.txt"
                                                        << "a.txt" << -1;
    QTest::newRow("fewer leading zeros first") << "2.txt"
                                               << "02.txt" << -1;
    QTest::newRow("leading zeros do not make it larger") << "007.txt"
                                                         << "10.txt" << -1;
    QTest::newRow("ascii against kana") << "z.txt"
                                        << "あ.txt" << -1;
    QTest::newRow("accented letters folded") << "Émile2"
                                             << "émile10" << -1;
    QTest::newRow("ascii against accented") << "EMILE"
                                            << "émile" << -1;
    QTest::newRow("full-width digits are not numbers") << "第２話"
                                                       << "第１０話" << 1;
    QTest::newRow("prefix first") << "IMG"
                                  << "IMG_1" << -1;
    QTest::newRow("digits against letters") << "a1"
                                            << "aa" << -1;
    QTest::newRow("equal") << "写真_1.jpg"
                           << "写真_1.jpg" << 0;
}

void NaturalOrderTest::Orders() {
    QFETCH(QString, left);
    QFETCH(QString, right);
    QFETCH(int, expected);
    QCOMPARE(OrderOf(left, right), expected);
    QCOMPARE(OrderOf(right, left), -expected);
}

// The prepared order and the one-off comparison must be the order of folded keys with the names'
// own code units between names that fold alike, for plain ASCII names, others, and the two mixed.
void NaturalOrderTest::AgreesWithFoldedKeys() {
    // clang-format off
    QStringList names = {
        "IMG_0001.JPG", "img_0001.jpg", "IMG_1.jpg", "img_10.JPG", "Img_9.jpg", "readme",
        "README", "Readme.txt", "a", "A", "a0", "a00", "a 1", "a_1", "[1]", "Z", "_z", "Café 2",
        "CAFÉ 10", "café 2", "cafe 2", "İstanbul", "istanbul", "ß", "SS", "ss", "ﬃ", "ffi",
        "データ0001", "データ1", "ﾃﾞｰﾀ2", "Ω1", "ω01", "𝒜1", "𝒜01", "Ǆ", "ǅ", "ǆ", "résumé_5",
        "RÉSUMÉ_05", "x.tar.gz", "X.TAR.GZ", "9", "09", "009", "10", "", ".",
        // Digits against characters below and above them, and runs of every length.
        "a!1", "a-1", "a.1", "a/1", "a:1", "a~1", "a\u00A01", "a\u30001", "a00000",
        "a000000000000000000001", "a00000000000000000001", "a123456789012345678901234567890",
        "a123456789012345678901234567891", "a1234567890123456789012345678900",
        // Alike in the first characters, apart further on.
        "IMG_000000000001_a.jpg", "IMG_000000000001_b.jpg", "IMG_000000000001_B.jpg",
        "img_000000000001_a.jpg", "IMG_00000000001_a.jpg", "写真写真写真写真写真写真_1",
        "写真写真写真写真写真写真_01", "写真写真写真写真写真写真_2", "éééééééééééééééé1",
        "ÉÉÉÉÉÉÉÉÉÉÉÉÉÉÉÉ01"};
    // clang-format on
    // Runs too long to count in a byte.
    const QString longRun = "b" + QString(300, '7');
    names << longRun << longRun + "1"
          << "b" + QString(270, '0') + "7"
          << "b7"
          << "b" + QString(239, '7');
    names.removeDuplicates();
    NaturalNameOrder order;
    for (const QString& name : names)
        order.Add(name);
    for (qsizetype i = 0; i < names.size(); ++i) {
        for (qsizetype j = 0; j < names.size(); ++j) {
            int expected = NaturalCompare(NaturalSortKey(names[i]), NaturalSortKey(names[j]));
            if (expected == 0)
                expected = QStringView(names[i]).compare(names[j]);
            if (Sign(order.Compare(size_t(i), size_t(j))) != Sign(expected) ||
                Sign(CompareNamesNaturally(names[i], names[j])) != Sign(expected))
                QFAIL(qPrintable(QString("%1 against %2").arg(names[i], names[j])));
        }
    }

    // Sorting all of them gives the same order as sorting by the comparison itself.
    std::vector<quint32> expected(size_t(names.size()));
    std::iota(expected.begin(), expected.end(), 0u);
    std::sort(expected.begin(), expected.end(), [&](quint32 a, quint32 b) {
        const int keys = NaturalCompare(NaturalSortKey(names[a]), NaturalSortKey(names[b]));
        return keys != 0 ? keys < 0 : QStringView(names[a]).compare(names[b]) < 0;
    });
    QCOMPARE(order.SortedIndexes(), expected);
}

QTEST_GUILESS_MAIN(NaturalOrderTest)
#include "tst_naturalorder.moc"
