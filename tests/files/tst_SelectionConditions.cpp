#include "files/DateConditions.h"
#include "files/TypeFilter.h"

#include <QTest>

using miravel::ApplyTypeFilterToPattern;
using miravel::DateConditions;
using miravel::TypeFilterEntries;

class TestSelectionConditions : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void typeEntries() {
        const QStringList expected = {
            "*",   "7z",  "asf", "asm", "avi", "bas", "bat",  "bmp", "c",   "cpp", "dll",
            "doc", "exe", "flv", "frm", "gif", "hlp", "html", "ico", "inf", "ini", "jpg",
            "lib", "log", "lzh", "mov", "mp3", "mp4", "mpeg", "mpg", "obj", "ocx", "ogm",
            "pdf", "png", "rar", "txt", "vbp", "vbs", "wmv",  "xls", "zip"};
        QCOMPARE(TypeFilterEntries().size(), 42);
        QCOMPARE(TypeFilterEntries(), expected);
    }

    void typeFilterRewritesTheExtension_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("after");
        QTest::newRow("any to jpg") << "*.*"
                                    << "jpg"
                                    << "*.jpg";
        QTest::newRow("jpg back to any") << "*.jpg"
                                         << "*"
                                         << "*.*";
        QTest::newRow("base kept") << "abc*.txt"
                                   << "mp3"
                                   << "abc*.mp3";
        QTest::newRow("only the last dot") << "a.b.c"
                                           << "txt"
                                           << "a.b.txt";
        QTest::newRow("no dot") << "abc"
                                << "txt"
                                << "abc.txt";
        QTest::newRow("empty pattern") << ""
                                       << "zip"
                                       << ".zip";
        QTest::newRow("trailing dot") << "abc."
                                      << "c"
                                      << "abc.c";
        QTest::newRow("alternatives: last one only") << "*.jpg;*.png"
                                                     << "gif"
                                                     << "*.jpg;*.gif";
        QTest::newRow("Japanese base") << "第*話.avi"
                                       << "mp4"
                                       << "第*話.mp4";
    }
    void typeFilterRewritesTheExtension() {
        QFETCH(QString, before);
        QFETCH(QString, entry);
        QFETCH(QString, after);
        QCOMPARE(ApplyTypeFilterToPattern(before, entry), after);
    }

    void dateBounds_data() {
        QTest::addColumn<QString>("createdFrom");
        QTest::addColumn<QString>("createdTo");
        QTest::addColumn<QString>("modifiedFrom");
        QTest::addColumn<QString>("modifiedTo");
        QTest::addColumn<QString>("created");
        QTest::addColumn<QString>("modified");
        QTest::addColumn<bool>("accepted");
        const QString lo = "1901/01/01";
        const QString hi = "9999/12/31";
        const QString t = "2024/03/15 12:00:00";
        QTest::newRow("defaults accept") << lo << hi << lo << hi << t << t << true;
        QTest::newRow("first second of the from day")
            << "2024/03/15" << hi << lo << hi << "2024/03/15 00:00:00" << t << true;
        QTest::newRow("last second before the from day")
            << "2024/03/15" << hi << lo << hi << "2024/03/14 23:59:59" << t << false;
        QTest::newRow("last second of the to day")
            << lo << "2024/03/15" << lo << hi << "2024/03/15 23:59:59" << t << true;
        QTest::newRow("first second after the to day")
            << lo << "2024/03/15" << lo << hi << "2024/03/16 00:00:00" << t << false;
        QTest::newRow("single day range") << "2024/03/15"
                                          << "2024/03/15" << lo << hi << t << t << true;
        QTest::newRow("modified too early")
            << lo << hi << "2024/03/16" << hi << t << "2024/03/15 23:59:59" << false;
        QTest::newRow("modified too late")
            << lo << hi << lo << "2024/03/14" << t << "2024/03/15 00:00:00" << false;
        QTest::newRow("from after to lets nothing through")
            << "2024/03/16"
            << "2024/03/14" << lo << hi << t << t << false;
        QTest::newRow("created in range, modified not") << "2024/01/01"
                                                        << "2024/12/31"
                                                        << "2025/01/01" << hi << t << t << false;
    }
    void dateBounds() {
        QFETCH(QString, createdFrom);
        QFETCH(QString, createdTo);
        QFETCH(QString, modifiedFrom);
        QFETCH(QString, modifiedTo);
        QFETCH(QString, created);
        QFETCH(QString, modified);
        QFETCH(bool, accepted);
        const DateConditions conditions{createdFrom, createdTo, modifiedFrom, modifiedTo};
        QCOMPARE(conditions.Accepts(created, modified), accepted);
    }
};

QTEST_GUILESS_MAIN(TestSelectionConditions)
#include "tst_SelectionConditions.moc"
