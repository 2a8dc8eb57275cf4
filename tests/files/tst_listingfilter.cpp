#include <QTest>

#include "files/ListingFilter.h"
#include "files/LiveListing.h"
#include "platform/FileSystem.h"
#include "support/TempFolder.h"

using namespace miravel;
using miravel::test::TempFolder;

namespace {

ListingEntry Entry(const char* name, const char* created, const char* modified) {
    ListingEntry entry;
    entry.name = QString::fromUtf8(name);
    entry.created = *LocalDateTime::FromText(QString::fromLatin1(created));
    entry.modified = *LocalDateTime::FromText(QString::fromLatin1(modified));
    return entry;
}

const std::vector<ListingEntry>& Entries() {
    static const std::vector<ListingEntry> entries = {
        Entry("a.JPG", "2020/01/01 00:00:00", "2020/06/30 23:59:59"),
        Entry("b.jpg", "2019/12/31 23:59:59", "2021/01/01 12:00:00"),
        Entry("notes", "1850/05/05 05:05:05", "2020/03/03 03:03:03"),
        Entry("第1話.mp4", "2020/12/31 23:59:59", "2020/07/01 00:00:00"),
    };
    return entries;
}

}  // namespace

class ListingFilterTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void FiltersByPatternAndDates_data();
    void FiltersByPatternAndDates();
    void RowsAreNumberedAndPaddedInListingOrder();
};

void ListingFilterTest::FiltersByPatternAndDates_data() {
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QStringList>("bounds");  // created from, to, modified from, to
    QTest::addColumn<QStringList>("names");
    const QStringList any{"1901/01/01", "9999/12/31", "1901/01/01", "9999/12/31"};
    QTest::newRow("everything in range")
        << "*.*" << any << QStringList{"a.JPG", "b.jpg", "第1話.mp4"};
    QTest::newRow("every time") << "*.*" << QStringList{"0000/01/01", "9999/12/31", "", "~"}
                                << QStringList{"a.JPG", "b.jpg", "notes", "第1話.mp4"};
    QTest::newRow("extension in any case") << "*.jpg" << any << QStringList{"a.JPG", "b.jpg"};
    QTest::newRow("alternatives") << "*.mp4;b.*" << any << QStringList{"b.jpg", "第1話.mp4"};
    QTest::newRow("created from, first second included")
        << "*" << QStringList{"2020/01/01", "9999/12/31", "1901/01/01", "9999/12/31"}
        << QStringList{"a.JPG", "第1話.mp4"};
    QTest::newRow("created to, last second included")
        << "*" << QStringList{"1901/01/01", "2019/12/31", "1901/01/01", "9999/12/31"}
        << QStringList{"b.jpg"};
    QTest::newRow("modified within one day")
        << "*" << QStringList{"0000/01/01", "9999/12/31", "2020/07/01", "2020/07/01"}
        << QStringList{"第1話.mp4"};
    QTest::newRow("start after end lets nothing through")
        << "*" << QStringList{"2021/01/01", "2020/01/01", "1901/01/01", "9999/12/31"}
        << QStringList{};
    QTest::newRow("a bound that is no date compares as text")
        << "*" << QStringList{"2020/", "2020/12/31x", "1901/01/01", "9999/12/31"}
        << QStringList{"a.JPG", "第1話.mp4"};
}

void ListingFilterTest::FiltersByPatternAndDates() {
    QFETCH(QString, pattern);
    QFETCH(QStringList, bounds);
    QFETCH(QStringList, names);
    DateConditions dates;
    dates.createdFrom = bounds[0];
    dates.createdTo = bounds[1];
    dates.modifiedFrom = bounds[2];
    dates.modifiedTo = bounds[3];
    QStringList passed;
    for (quint32 index : FilterListing(Entries(), WildcardPattern(pattern), dates))
        passed << Entries()[index].name;
    QCOMPARE(passed, names);
}

void ListingFilterTest::RowsAreNumberedAndPaddedInListingOrder() {
    TempFolder folder;
    folder.MakeFile("ep10.txt", 12345);
    folder.MakeFile("ep2.txt", 7);
    folder.MakeFile("ep3.jpg", 1);
    FileSystem fs;
    LiveListing listing(fs);
    listing.Open(folder.path());
    const FileRowsBuild build = RowsForEntries(listing, {0, 2});
    QCOMPARE(build.rows.size(), std::size_t(2));
    QCOMPARE(build.rows[0].name, QString("ep2.txt"));
    QCOMPARE(build.rows[1].name, QString("ep10.txt"));
    QCOMPARE(build.rows[1].number, 2);
    QCOMPARE(build.rows[0].SizeText(), QString("    1KB"));  // padded as the largest, 12345
    QCOMPARE(build.rows[0].type, build.rows[1].type);
    QCOMPARE(build.rows[0].type, listing.TypeText(listing.Entries()[0].type));
    QCOMPARE(build.totalBytes, 12352.0);
}

QTEST_GUILESS_MAIN(ListingFilterTest)
#include "tst_listingfilter.moc"
