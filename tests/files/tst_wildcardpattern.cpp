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
    void AgreesWithASlowReference();
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

namespace {

// Plain dynamic programming over ASCII: slow, obviously right.
bool ReferenceMatchOne(const QString& pattern, const QString& name) {
    const QString p = pattern.toLower();
    const QString n = name.toLower();
    std::vector<std::vector<bool>> ok(p.size() + 1, std::vector<bool>(n.size() + 1, false));
    ok[p.size()][n.size()] = true;
    for (qsizetype i = p.size() - 1; i >= 0; --i) {
        for (qsizetype j = n.size(); j >= 0; --j) {
            if (p[i] == u'*')
                ok[i][j] = ok[i + 1][j] || (j < n.size() && ok[i][j + 1]);
            else if (j < n.size() && (p[i] == u'?' || p[i] == n[j]))
                ok[i][j] = ok[i + 1][j + 1];
        }
    }
    return ok[0][0];
}

// A trailing ".*" is optional once.
bool ReferenceMatch(const QString& pattern, const QString& name) {
    return ReferenceMatchOne(pattern, name) || (pattern.size() > 2 && pattern.endsWith(".*") &&
                                                ReferenceMatchOne(pattern.chopped(2), name));
}

}  // namespace

void WildcardPatternTest::AgreesWithASlowReference() {
    const QString patternLetters = "aAb*?.";
    const QString nameLetters = "aAbB.";
    quint32 seed = 2024;
    auto next = [&seed](int range) {
        seed = seed * 1664525u + 1013904223u;
        return int((seed >> 16) % quint32(range));
    };
    for (int round = 0; round < 50000; ++round) {
        QString pattern;
        QString name;
        for (int i = next(8) + 1; i > 0; --i)
            pattern += patternLetters[next(6)];
        for (int i = next(10); i > 0; --i)
            name += nameLetters[next(5)];
        const bool expected =
            pattern.count(u'*') == pattern.size() || ReferenceMatch(pattern, name);
        QVERIFY2(WildcardPattern(pattern).Matches(name) == expected,
                 qPrintable(pattern + " vs " + name));
    }
}

QTEST_GUILESS_MAIN(WildcardPatternTest)
#include "tst_wildcardpattern.moc"
