#include <QTest>

#include "platform/FileNameCodec.h"

using namespace miravel;

class FileNameCodecTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void DecodesValidNamesAsUnicode_data();
    void DecodesValidNamesAsUnicode();
    void EscapesEachInvalidByte_data();
    void EscapesEachInvalidByte();
    void EveryByteStringSurvivesTheRoundTrip();
    void KeepsCodeUnitsNoNameCanHold();
};

void FileNameCodecTest::DecodesValidNamesAsUnicode_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("name");
    QTest::newRow("empty") << QByteArray() << QString();
    QTest::newRow("ascii") << QByteArray("IMG_0001.JPG") << QStringLiteral("IMG_0001.JPG");
    QTest::newRow("ascii longer than a word")
        << QByteArray("a rather long name.txt") << QStringLiteral("a rather long name.txt");
    QTest::newRow("two-byte") << QByteArray("caf\xc3\xa9") << QStringLiteral("café");
    QTest::newRow("japanese") << QByteArray(
                                     "\xe7\xac\xac"
                                     "9\xe8\xa9\xb1.mp4")
                              << QStringLiteral("第9話.mp4");
    QTest::newRow("ideographic space and full-width comma") << QByteArray(
                                                                   "a\xe3\x80\x80"
                                                                   "b\xef\xbc\x8c")
                                                            << QStringLiteral("a\u3000b\uFF0C");
    QTest::newRow("emoji") << QByteArray("\xf0\x9f\x98\x80.png") << QString::fromUtf8("😀.png");
    QTest::newRow("highest code point")
        << QByteArray("\xf4\x8f\xbf\xbf") << QString::fromUcs4(U"\U0010FFFF", 1);
    QTest::newRow("combining mark") << QByteArray("e\xcc\x81") << QStringLiteral("e\u0301");
}

void FileNameCodecTest::DecodesValidNamesAsUnicode() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, name);
    QCOMPARE(DecodeFileName(bytes), name);
    QCOMPARE(EncodeFileName(name), bytes);
}

void FileNameCodecTest::EscapesEachInvalidByte_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("name");
    auto escaped = [](std::initializer_list<char16_t> units) {
        QString text;
        for (char16_t unit : units)
            text.append(QChar(unit));
        return text;
    };
    QTest::newRow("latin-1 e acute") << QByteArray("caf\xe9") << "caf" + escaped({0xDCE9});
    QTest::newRow("lone continuation") << QByteArray("\x80") << escaped({0xDC80});
    QTest::newRow("ff") << QByteArray("\xff") << escaped({0xDCFF});
    QTest::newRow("overlong slash") << QByteArray("\xc0\xaf") << escaped({0xDCC0, 0xDCAF});
    QTest::newRow("encoded surrogate")
        << QByteArray("\xed\xb2\x80") << escaped({0xDCED, 0xDCB2, 0xDC80});
    QTest::newRow("above U+10FFFF")
        << QByteArray("\xf4\x90\x80\x80") << escaped({0xDCF4, 0xDC90, 0xDC80, 0xDC80});
    QTest::newRow("truncated at the end")
        << QByteArray("a\xe3\x81") << "a" + escaped({0xDCE3, 0xDC81});
    QTest::newRow("truncated before ascii")
        << QByteArray("\xe3\x81z") << escaped({0xDCE3, 0xDC81}) + "z";
    QTest::newRow("shift_jis") << QByteArray("\x83\x65\x83\x58\x83\x67.txt")
                               << escaped({0xDC83}) + "e" + escaped({0xDC83}) + "X" +
                                      escaped({0xDC83}) + "g.txt";
    QTest::newRow("valid then invalid")
        << QByteArray("\xc3\xa9\xe9") << QStringLiteral("é") + escaped({0xDCE9});
}

void FileNameCodecTest::EscapesEachInvalidByte() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, name);
    QCOMPARE(DecodeFileName(bytes), name);
    QCOMPARE(EncodeFileName(name), bytes);
}

void FileNameCodecTest::EveryByteStringSurvivesTheRoundTrip() {
    // Every one- and two-byte string, then pseudo-random longer ones mixing all byte values.
    for (int a = 1; a < 256; ++a) {
        for (int b = 0; b < 256; ++b) {
            QByteArray bytes;
            bytes.append(char(a));
            if (b > 0)
                bytes.append(char(b));
            QCOMPARE(EncodeFileName(DecodeFileName(bytes)), bytes);
        }
    }
    quint32 seed = 12345;
    for (int round = 0; round < 20000; ++round) {
        QByteArray bytes;
        const int length = 1 + round % 12;
        for (int i = 0; i < length; ++i) {
            seed = seed * 1103515245u + 12345u;
            // Favour the bytes that start and continue sequences.
            const quint32 pick = (seed >> 16) % 8;
            const char byte = pick < 3   ? char(0x80 + (seed >> 8) % 0x40)
                              : pick < 6 ? char(0xC0 + (seed >> 8) % 0x40)
                                         : char(1 + (seed >> 8) % 0xFF);
            bytes.append(byte);
        }
        QCOMPARE(EncodeFileName(DecodeFileName(bytes)), bytes);
    }
}

void FileNameCodecTest::KeepsCodeUnitsNoNameCanHold() {
    // Typed text cannot hold lone surrogates outside the escape range in practice; they still
    // must not vanish from a name.
    QCOMPARE(EncodeFileName(QString("a") + QChar(0xD800) + "b"), QByteArray("a\xed\xa0\x80"
                                                                            "b"));
    QCOMPARE(EncodeFileName(QString(QChar(0xDC41))), QByteArray("\xed\xb1\x81"));
}

QTEST_GUILESS_MAIN(FileNameCodecTest)
#include "tst_filenamecodec.moc"
