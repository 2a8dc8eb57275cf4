#include <QTest>

#include "platform/TypeDescriptions.h"

using namespace miravel;

class TypeDescriptionsTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void DescribesByExtension_data();
    void DescribesByExtension();
    void SameAnswerWhateverWasAskedBefore();
    void KnownExtensionsGetThePlatformsText_data();
    void KnownExtensionsGetThePlatformsText();
};

void TypeDescriptionsTest::DescribesByExtension_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");
    QTest::newRow("no extension") << "README"
                                  << "ファイル";
    QTest::newRow("trailing dot") << "notes."
                                  << "ファイル";
    QTest::newRow("unknown extension") << "data.zqxw"
                                       << "ZQXW ファイル";
    QTest::newRow("unknown extension, mixed case") << "data.ZqXw"
                                                   << "ZQXW ファイル";
    QTest::newRow("last dot counts") << "a.zqxw.qqzz"
                                     << "QQZZ ファイル";
    QTest::newRow("full-width dot is not a dot") << "a．zqxw"
                                                 << "ファイル";
    QTest::newRow("long extension") << "a.zqxwzqxwzqxwzqxw"
                                    << "ZQXWZQXWZQXWZQXW ファイル";
    QTest::newRow("full-width extension") << "写真.ｚｑｘ"
                                          << "ＺＱＸ ファイル";
    QTest::newRow("accented extension") << "a.ZQÉ"
                                        << "ZQÉ ファイル";
}

void TypeDescriptionsTest::DescribesByExtension() {
    QFETCH(QString, name);
    QFETCH(QString, description);
    TypeDescriptions types;
    QCOMPARE(types.Describe(name), description);
    QCOMPARE(types.Describe(name), description);  // from the cache
}

// Answers remembered for one extension never leak into another's, however many are asked.
void TypeDescriptionsTest::SameAnswerWhateverWasAskedBefore() {
    QStringList names;
    for (int i = 0; i < 300; ++i) {
        names << QString("f%1.zq%2").arg(i).arg(i % 97) << QString("f%1.ZQ%2").arg(i).arg(i % 89);
        names << QString("f%1.png").arg(i) << QString("f%1.zq").arg(i) << QString("f%1.z").arg(i);
    }
    TypeDescriptions longLived;
    for (const QString& name : names)
        QCOMPARE(longLived.Describe(name), TypeDescriptions().Describe(name));
}

void TypeDescriptionsTest::KnownExtensionsGetThePlatformsText_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("sameTypeAs");
    QTest::newRow("png") << "IMG_0001.PNG"
                         << "b.png";
    QTest::newRow("jpeg") << "photo.jpg"
                          << "c.JPG";
    QTest::newRow("text") << "memo.txt"
                          << "d.TXT";
}

void TypeDescriptionsTest::KnownExtensionsGetThePlatformsText() {
    QFETCH(QString, name);
    QFETCH(QString, sameTypeAs);
    TypeDescriptions types;
    const QString description = types.Describe(name);
    QVERIFY(!description.isEmpty());
    QVERIFY2(!description.endsWith(" ファイル"), qPrintable(description));
    QCOMPARE(TypeDescriptions().Describe(sameTypeAs), description);
}

QTEST_GUILESS_MAIN(TypeDescriptionsTest)
#include "tst_typedescriptions.moc"
