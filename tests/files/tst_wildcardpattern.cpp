#include <QTest>

#include "files/WildcardPattern.h"

using namespace miravel;

class WildcardPatternTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void Matches_data();
    void Matches();
    void PathologicalPatternsFinish_data();
    void PathologicalPatternsFinish();
};

void WildcardPatternTest::Matches_data() {
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("matches");

    QTest::newRow("star-dot-star, plain") << "*.*"
                                          << "a.txt" << true;
    QTest::newRow("star-dot-star, no dot") << "*.*"
                                           << "README" << true;
    QTest::newRow("star-dot-star, dot file") << "*.*"
                                             << ".profile" << true;
    QTest::newRow("star alone") << "*"
                                << "anything" << true;
    QTest::newRow("empty pattern") << ""
                                   << "a.txt" << true;
    QTest::newRow("blank pattern") << "   "
                                   << "a.txt" << true;
    QTest::newRow("only separators") << " ; ;"
                                     << "a.txt" << true;

    QTest::newRow("extension, other case") << "*.jpg"
                                           << "IMG_0001.JPG" << true;
    QTest::newRow("upper pattern, lower name") << "*.TXT"
                                               << "memo.txt" << true;
    QTest::newRow("extension differs") << "*.jpg"
                                       << "IMG_0001.JPEG" << false;
    QTest::newRow("extension is only a suffix") << "*.jpg"
                                                << "photo.jpg.bak" << false;
    QTest::newRow("no star, exact") << "memo.txt"
                                    << "MEMO.TXT" << true;
    QTest::newRow("no star, longer name") << "memo.txt"
                                          << "memo.txt2" << false;
    QTest::newRow("full-width letters fold") << "ａ*"
                                             << "Ａbc" << true;
    QTest::newRow("greek folds") << "σ*"
                                 << "Σίσυφος" << true;

    QTest::newRow("question mark, one char") << "?.txt"
                                             << "a.txt" << true;
    QTest::newRow("question mark, two chars") << "?.txt"
                                              << "ab.txt" << false;
    QTest::newRow("question mark, no char") << "a?.txt"
                                            << "a.txt" << false;
    QTest::newRow("question mark, japanese") << "第?話.mp4"
                                             << "第9話.mp4" << true;
    QTest::newRow("question mark, emoji is one character") << "?.png"
                                                           << "😀.png" << true;
    QTest::newRow("question mark, escaped byte")
        << "caf?" << QString("caf") + QChar(0xDCE9) << true;

    QTest::newRow("alternatives, second") << "*.jpg;*.png"
                                          << "a.PNG" << true;
    QTest::newRow("alternatives, blanks") << "*.jpg; *.png"
                                          << "a.png" << true;
    QTest::newRow("alternatives, neither") << "*.jpg; *.png"
                                           << "a.gif" << false;
    QTest::newRow("alternatives, empty one ignored") << "*.jpg;;"
                                                     << "a.txt" << false;

    QTest::newRow("dot-star also matches the bare name") << "readme.*"
                                                         << "README" << true;
    QTest::newRow("dot-star with extension") << "readme.*"
                                             << "readme.md" << true;
    QTest::newRow("dot-star, other name") << "readme.*"
                                          << "readme2" << false;

    QTest::newRow("star in the middle") << "a*z"
                                        << "abcz" << true;
    QTest::newRow("star needs the last letter") << "a*z"
                                                << "abzc" << false;
    QTest::newRow("star matches nothing") << "a*b"
                                          << "ab" << true;
    QTest::newRow("stars backtrack") << "*ab*cd"
                                     << "xabyabcd" << true;
    QTest::newRow("matches nothing") << "*.xyz"
                                     << "a.txt" << false;
    QTest::newRow("empty name, star") << "*.txt"
                                      << "" << false;
    QTest::newRow("trailing stars") << "a**"
                                    << "a" << true;
}

void WildcardPatternTest::Matches() {
    QFETCH(QString, pattern);
    QFETCH(QString, name);
    QFETCH(bool, matches);
    QCOMPARE(WildcardPattern(pattern).Matches(name), matches);
}

void WildcardPatternTest::PathologicalPatternsFinish_data() {
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("matches");
    const QString manyA(5000, u'a');
    QTest::newRow("a*a*a*a*b") << "a*a*a*a*a*a*a*a*b" << manyA << false;
    QTest::newRow("a*a*a*a*a ends") << "a*a*a*a*a*a*a*a*a" << manyA << true;
    QTest::newRow("many stars") << QString(200, u'*') + "b" << manyA << false;
    QTest::newRow("many question marks") << QString(4000, u'?') + "*b" << manyA << false;
}

void WildcardPatternTest::PathologicalPatternsFinish() {
    QFETCH(QString, pattern);
    QFETCH(QString, name);
    QFETCH(bool, matches);
    QCOMPARE(WildcardPattern(pattern).Matches(name), matches);
}

QTEST_GUILESS_MAIN(WildcardPatternTest)
#include "tst_wildcardpattern.moc"
