#include <sys/stat.h>

#include <QDateTime>
#include <QTest>
#include <QThread>

#include "platform/DateTakenCache.h"
#include "platform/DateTakenReader.h"
#include "platform/FileNameCodec.h"
#include "platform/PhotoDate.h"
#include "support/SamplePhoto.h"
#include "support/TempFolder.h"

using namespace Qt::StringLiterals;

namespace miravel {

namespace {

QString Shown(const std::optional<LocalDateTime>& date) {
    return date ? date->ToText() : u"<none>"_s;
}

}  // namespace

class PhotoDateTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void parsesExifText_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("plain") << "2024:01:02 03:04:05"_ba << u"2024/01/02 03:04:05"_s;
        QTest::newRow("leap second") << "2016:12:31 23:59:60"_ba << u"2016/12/31 23:59:59"_s;
        QTest::newRow("blanks") << "    :  :     :  :  "_ba << u"<none>"_s;
        QTest::newRow("zeros") << "0000:00:00 00:00:00"_ba << u"<none>"_s;
        QTest::newRow("no such day") << "2023:02:29 00:00:00"_ba << u"<none>"_s;
        QTest::newRow("cut short") << "2024:01:02 03:04"_ba << u"<none>"_s;
    }
    void parsesExifText() {
        QFETCH(QByteArray, text);
        QFETCH(QString, expected);
        QCOMPARE(Shown(ParseExifDateTime(text)), expected);
    }

    void readsFiles_data() {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("expected");
        const QByteArray dated = test::JpegBytes("2021:07:08 09:10:11");
        QTest::newRow("date taken") << "a.jpg"_ba << dated << u"2021/07/08 09:10:11"_s;
        QTest::newRow("name not UTF-8") << "\xff\xfe.jpg"_ba << dated << u"2021/07/08 09:10:11"_s;
        QTest::newRow("date in the first directory")
            << "b.jpg"_ba << test::JpegBytes("2020:01:01 00:00:00", "Exif.Image.DateTimeOriginal")
            << u"2020/01/01 00:00:00"_s;
        QTest::newRow("other EXIF only")
            << "c.jpg"_ba << test::JpegBytes("2019:01:01 00:00:00", "Exif.Image.DateTime")
            << u"<none>"_s;
        QTest::newRow("no EXIF") << "d.jpg"_ba << test::JpegBytes() << u"<none>"_s;
        QTest::newRow("not an image") << "e.jpg"_ba
                                      << "just text"_ba << u"<none>"_s;
        QTest::newRow("cut short") << "f.jpg"_ba << dated.left(40) << u"<none>"_s;
    }
    void readsFiles() {
        QFETCH(QByteArray, name);
        QFETCH(QByteArray, content);
        QFETCH(QString, expected);
        test::TempFolder folder;
        const QByteArray path = EncodeFileName(folder.path()) + "/" + name;
        QVERIFY(test::WriteFileBytes(path, content));
        QCOMPARE(Shown(ReadDateTaken(DecodeFileName(path))), expected);
    }

    // Never waits on a pipe, never reads a folder.
    void otherEntriesGiveNothing() {
        test::TempFolder folder;
        folder.MakeFolder(u"sub"_s);
        QCOMPARE(::mkfifo(QFile::encodeName(folder.FilePath(u"pipe"_s)).constData(), 0644), 0);
        for (const QString& name : {u"sub"_s, u"pipe"_s, u"missing"_s})
            QVERIFY2(!ReadDateTaken(folder.FilePath(name)), qPrintable(name));
    }

    void cacheReadsEachVersionOnce() {
        test::TempFolder folder;
        const QString path = folder.FilePath(u"a.jpg"_s);
        DateTakenCache cache;
        QVERIFY(
            test::WriteFileBytes(QFile::encodeName(path), test::JpegBytes("2001:01:01 01:01:01")));
        QCOMPARE(Shown(cache.DateOf(path)), u"2001/01/01 01:01:01"_s);
        QCOMPARE(Shown(cache.DateOf(path)), u"2001/01/01 01:01:01"_s);
        QCOMPARE(cache.FilesRead(), 1);
        // Same size, another modification time: another version of the file.
        QVERIFY(
            test::WriteFileBytes(QFile::encodeName(path), test::JpegBytes("2002:02:02 02:02:02")));
        folder.SetModified(u"a.jpg"_s, QDateTime::currentDateTime().addSecs(-3600));
        QCOMPARE(Shown(cache.DateOf(path)), u"2002/02/02 02:02:02"_s);
        QCOMPARE(cache.FilesRead(), 2);
    }

    void readerDeliversOnItsThread() {
        test::TempFolder folder;
        QVERIFY(test::WriteFileBytes(QFile::encodeName(folder.FilePath(u"a.jpg"_s)),
                                     test::JpegBytes("2003:03:03 03:03:03")));
        folder.MakeFile(u"b.txt"_s, 10);
        DateTakenCache cache;
        DateTakenReader reader(cache);
        QStringList seen;
        QList<quint64> finished;
        connect(&reader, &DateTakenReader::datesRead, this,
                [&](quint64 request, const QList<DateTakenEntry>& entries) {
                    QCOMPARE(QThread::currentThread(), thread());
                    for (const DateTakenEntry& entry : entries)
                        seen << u"%1 %2 %3"_s.arg(request).arg(entry.name, Shown(entry.taken));
                });
        connect(&reader, &DateTakenReader::finished, this,
                [&](quint64 request) { finished << request; });
        const QStringList names{u"a.jpg"_s, u"b.txt"_s, u"gone.jpg"_s};
        // The first request is replaced before the event loop runs: nothing of it arrives.
        const quint64 first = reader.Read(folder.path(), names);
        const quint64 second = reader.Read(folder.path(), names);
        QTRY_COMPARE(finished, QList<quint64>{second});
        seen.sort();
        QCOMPARE(seen, QStringList({u"%1 a.jpg 2003/03/03 03:03:03"_s.arg(second),
                                    u"%1 b.txt <none>"_s.arg(second),
                                    u"%1 gone.jpg <none>"_s.arg(second)}));
        QVERIFY(first != second);
    }
};

}  // namespace miravel

QTEST_GUILESS_MAIN(miravel::PhotoDateTest)
#include "tst_photodate.moc"
