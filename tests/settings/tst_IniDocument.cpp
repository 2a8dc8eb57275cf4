#include "settings/IniDocument.h"

#include <QRandomGenerator>
#include <QTest>

using miravel::IniDocument;

namespace {

// "KEY=value" texts, split at the first "=".
std::vector<std::pair<QString, QString>> Entries(const QStringList& texts) {
    std::vector<std::pair<QString, QString>> entries;
    for (const QString& text : texts) {
        const qsizetype equals = text.indexOf(QLatin1Char('='));
        entries.emplace_back(text.first(equals), text.sliced(equals + 1));
    }
    return entries;
}

}  // namespace

class TestIniDocument : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void unchangedDocumentIsWrittenBackByteForByte_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("one section, LF") << QByteArray("[alice]\nPATH=/home/alice\nADDT=x\n");
        QTest::newRow("CRLF") << QByteArray("[alice]\r\nPATH=C:\\tools\r\n\r\n[bob]\r\nADDT=\r\n");
        QTest::newRow("no final line end") << QByteArray("[alice]\nPATH=/a");
        QTest::newRow("mixed line ends") << QByteArray("[a]\r\nX=1\nY=2\r\n");
        QTest::newRow("comments and blanks")
            << QByteArray("; written by hand\n\n# another\n[a]\n  KEY = spaced value  \n\n");
        QTest::newRow("byte order mark") << QByteArray("\xEF\xBB\xBF[a]\nK=v\n");
        QTest::newRow("unknown lines") << QByteArray("loose line\n[a]\nno equals sign\n=x\n");
        QTest::newRow("lone CR inside a line") << QByteArray("[a]\nK=one\rtwo\n");
        QTest::newRow("Japanese and tabs") << QByteArray("[ユーザー]\n\tREPLACE_F=\t第1話　\n");
        QTest::newRow("keys before any section") << QByteArray("K=v\n[a]\nK=w\n");
        QTest::newRow("trailing text after header") << QByteArray("[a] ; note\nK=v\n");
        QTest::newRow("only line ends") << QByteArray("\n\r\n\n\r\r");
        QTest::newRow("CR line ends") << QByteArray("[a]\rK=v\r\r[b]\rK=w");
        QTest::newRow("lines that are not text")
            << QByteArray("[\x93\xfa]\nK=\x93\xfa\x96\x7b\n\x1b[1m\x01\r\n[b\n\xff=\xfe\n");
    }
    void unchangedDocumentIsWrittenBackByteForByte() {
        QFETCH(QByteArray, bytes);
        const auto document = IniDocument::Parse(bytes);
        QVERIFY(document);
        QCOMPARE(document->Serialize(), bytes);
    }

    void unparseableBytesAreRefused_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("NUL byte") << QByteArray("[a]\nK=v\0w\n", 10);
        QTest::newRow("NUL byte in another section") << QByteArray("[a]\nK=v\n[b]\nK=\0\n", 15);
        QTest::newRow("larger than 1 MiB")
            << QByteArray("[a]\nK=") + QByteArray(IniDocument::kMaxSize, 'x');
        QByteArray garbage(4096, '\0');
        QRandomGenerator generator(20240315);
        for (char& c : garbage)
            c = static_cast<char>(generator.bounded(256));
        QTest::newRow("random bytes") << garbage;
    }
    void unparseableBytesAreRefused() {
        QFETCH(QByteArray, bytes);
        QVERIFY(!IniDocument::Parse(bytes));
    }

    void fileOfExactlyTheLimitIsAccepted() {
        QByteArray bytes = "[a]\nK=";
        bytes += QByteArray(IniDocument::kMaxSize - bytes.size(), 'x');
        QVERIFY(IniDocument::Parse(bytes));
    }

    void valueLookup_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("found");
        QTest::addColumn<QString>("value");
        const QByteArray two = "[alice]\nPATH=/a\n[bob]\nPATH=/b\n";
        QTest::newRow("first section") << two << "alice"
                                       << "PATH" << true << "/a";
        QTest::newRow("second section") << two << "bob"
                                        << "PATH" << true << "/b";
        QTest::newRow("section ignores case") << two << "BOB"
                                              << "PATH" << true << "/b";
        QTest::newRow("key ignores case") << two << "alice"
                                          << "path" << true << "/a";
        QTest::newRow("missing section") << two << "carol"
                                         << "PATH" << false << "";
        QTest::newRow("missing key") << two << "alice"
                                     << "ADDT" << false << "";
        QTest::newRow("blanks around value removed") << QByteArray("[a]\nK=  two words \t\n") << "a"
                                                     << "K" << true << "two words";
        QTest::newRow("blanks around key and name") << QByteArray("[ a ]\n  K  =v\n") << "a"
                                                    << "K" << true << "v";
        QTest::newRow("empty value") << QByteArray("[a]\nK=\n") << "a"
                                     << "K" << true << "";
        QTest::newRow("value holding =") << QByteArray("[a]\nK=x=y\n") << "a"
                                         << "K" << true << "x=y";
        QTest::newRow("CRLF not part of value") << QByteArray("[a]\r\nK=v\r\n") << "a"
                                                << "K" << true << "v";
        QTest::newRow("250-byte value whole")
            << QByteArray("[a]\nK=" + QByteArray(250, 'z') + "\n") << "a"
            << "K" << true << QString(250, QLatin1Char('z'));
        QTest::newRow("multibyte value whole")
            << QByteArray("[a]\nK=" + QString(100, QChar(0x8A71)).toUtf8() + "\n") << "a"
            << "K" << true << QString(100, QChar(0x8A71));
        QTest::newRow("line without = is no key") << QByteArray("[a]\nK\n") << "a"
                                                  << "K" << false << "";
        QTest::newRow("commented key") << QByteArray("[a]\n;K=v\n") << "a"
                                       << "K" << false << "";
        QTest::newRow("key before sections belongs to none") << QByteArray("K=v\n[a]\n") << "a"
                                                             << "K" << false << "";
        QTest::newRow("first of two keys") << QByteArray("[a]\nK=1\nK=2\n") << "a"
                                           << "K" << true << "1";
        QTest::newRow("first of two sections") << QByteArray("[a]\nK=1\n[a]\nK=2\n") << "a"
                                               << "K" << true << "1";
        QTest::newRow("key of the next section is not ours") << QByteArray("[a]\n[b]\nK=v\n") << "a"
                                                             << "K" << false << "";
        QTest::newRow("Japanese section") << QByteArray("[ユーザー]\nK=値\n") << "ユーザー"
                                          << "K" << true << "値";
        QTest::newRow("U+FEFF at the start of a section name and a value")
            << QByteArray("[\xEF\xBB\xBF]\nK=\xEF\xBB\xBFv\n") << QString(QChar(0xFEFF)) << "K"
            << true << QString(QChar(0xFEFF)) + "v";
        QTest::newRow("empty section name") << QByteArray("[]\nK=v\n") << ""
                                            << "K" << true << "v";
    }
    void valueLookup() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(bool, found);
        QFETCH(QString, value);
        const auto document = IniDocument::Parse(bytes);
        QVERIFY(document);
        const std::optional<QString> actual = document->Value(section, key);
        QCOMPARE(actual.has_value(), found);
        if (found)
            QCOMPARE(*actual, value);
    }

    void settingValues_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("empty file gets the section")
            << QByteArray() << "alice" << QStringList{"PATH=/a", "ADDT="}
            << QByteArray("[alice]\nPATH=/a\nADDT=\n");
        QTest::newRow("replaced in place, rest untouched")
            << QByteArray("; top\n[alice]\nPATH=/old\n; mid\nADDT=x\n\n[bob]\nPATH=/b\n") << "alice"
            << QStringList{"PATH=/new"}
            << QByteArray("; top\n[alice]\nPATH=/new\n; mid\nADDT=x\n\n[bob]\nPATH=/b\n");
        QTest::newRow("missing keys after the last key, in order")
            << QByteArray("[alice]\nADDT=x\n\n; bob's\n[bob]\nPATH=/b\n") << "alice"
            << QStringList{"PATH=/a", "ADDT=y", "BRACKET1=["}
            << QByteArray("[alice]\nADDT=y\nPATH=/a\nBRACKET1=[\n\n; bob's\n[bob]\nPATH=/b\n");
        QTest::newRow("section without keys")
            << QByteArray("[alice]\n[bob]\n") << "alice" << QStringList{"PATH=/a"}
            << QByteArray("[alice]\nPATH=/a\n[bob]\n");
        QTest::newRow("new section after a last line without end")
            << QByteArray("[bob]\nPATH=/b") << "alice" << QStringList{"PATH=/a"}
            << QByteArray("[bob]\nPATH=/b\n[alice]\nPATH=/a\n");
        QTest::newRow("key appended after a last line without end")
            << QByteArray("[alice]\nPATH=/a") << "alice" << QStringList{"ADDT=t"}
            << QByteArray("[alice]\nPATH=/a\nADDT=t\n");
        QTest::newRow("last line without end replaced in place")
            << QByteArray("[alice]\nPATH=/a") << "alice" << QStringList{"PATH=/b"}
            << QByteArray("[alice]\nPATH=/b");
        QTest::newRow("CRLF file gets CRLF lines")
            << QByteArray("[bob]\r\nPATH=/b\r\n") << "alice" << QStringList{"PATH=/a", "ADDT="}
            << QByteArray("[bob]\r\nPATH=/b\r\n[alice]\r\nPATH=/a\r\nADDT=\r\n");
        QTest::newRow("line end of a replaced line kept")
            << QByteArray("[a]\r\nK=1\nL=2\r\n") << "a" << QStringList{"K=x", "L=y"}
            << QByteArray("[a]\r\nK=x\nL=y\r\n");
        QTest::newRow("existing key spelled otherwise")
            << QByteArray("[ALICE]\n path = /old \n") << "alice" << QStringList{"PATH=/new"}
            << QByteArray("[ALICE]\nPATH=/new\n");
        QTest::newRow("empty value")
            << QByteArray("[a]\nK=v\n") << "a" << QStringList{"K="} << QByteArray("[a]\nK=\n");
        QTest::newRow("line breaks cannot start a section")
            << QByteArray("[bob]\nPATH=/b\n") << "alice"
            << QStringList{"ADDT=x\n[bob]\r\nPATH=/evil"}
            << QByteArray("[bob]\nPATH=/b\n[alice]\nADDT=x [bob]  PATH=/evil\n");
        QTest::newRow("only the first of duplicate sections")
            << QByteArray("[a]\nK=1\n[a]\nK=2\n") << "a" << QStringList{"K=x", "L=y"}
            << QByteArray("[a]\nK=x\nL=y\n[a]\nK=2\n");
        QTest::newRow("key without = stays, real key added")
            << QByteArray("[a]\nK\n") << "a" << QStringList{"K=v"} << QByteArray("[a]\nK=v\nK\n");
        QTest::newRow("last line ending in a lone CR keeps it")
            << QByteArray("[a]\nK=1\r") << "a" << QStringList{"L=2"}
            << QByteArray("[a]\nK=1\rL=2\n");
        QTest::newRow("byte order mark kept")
            << QByteArray("\xEF\xBB\xBF[a]\nK=1\n") << "a" << QStringList{"K=2"}
            << QByteArray("\xEF\xBB\xBF[a]\nK=2\n");
    }
    void settingValues() {
        QFETCH(QByteArray, before);
        QFETCH(QString, section);
        QFETCH(QStringList, entries);
        QFETCH(QByteArray, after);
        auto document = IniDocument::Parse(before);
        QVERIFY(document);
        document->SetValues(section, Entries(entries));
        QCOMPARE(document->Serialize(), after);
        // What was written reads back.
        const auto reread = IniDocument::Parse(after);
        QVERIFY(reread);
        for (const auto& [key, value] : Entries(entries)) {
            QVERIFY(reread->Value(section, key));
        }
    }

    // Files other programs, other systems and other users' hands wrote: alice's section is read
    // and written as usual around lines that are not text, and whatever line ends it has.
    void readingAndWritingAroundOtherWriters_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("found");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("another user's value in a legacy code page")
            << QByteArray("[bob]\nADDT=\x93\xfa\x96\x7b\n[alice]\nPATH=/a\n") << "PATH" << true
            << "/a" << QStringList{"PATH=/b"}
            << QByteArray("[bob]\nADDT=\x93\xfa\x96\x7b\n[alice]\nPATH=/b\n");
        QTest::newRow("another user's control bytes")
            << QByteArray("[bob]\nADDT=\x1b[1m\x01\n[alice]\nPATH=/a\n") << "PATH" << true << "/a"
            << QStringList{"PATH=/b"} << QByteArray("[bob]\nADDT=\x1b[1m\x01\n[alice]\nPATH=/b\n");
        QTest::newRow("a header that is not text ends the section before it")
            << QByteArray("[alice]\nPATH=/a\n[\x93\xfa]\nADDT=x\n") << "ADDT" << false << ""
            << QStringList{"ADDT=y"}
            << QByteArray("[alice]\nPATH=/a\nADDT=y\n[\x93\xfa]\nADDT=x\n");
        QTest::newRow("an unclosed header of another name ends the section before it")
            << QByteArray("[alice]\nPATH=/a\n[bob\nADDT=b\n") << "ADDT" << false << ""
            << QStringList{"ADDT=y"} << QByteArray("[alice]\nPATH=/a\nADDT=y\n[bob\nADDT=b\n");
        QTest::newRow("a line of our own that is not text stays")
            << QByteArray("[alice]\n; \xff\nPATH=/a\n") << "PATH" << true << "/a"
            << QStringList{"PATH=/b"} << QByteArray("[alice]\n; \xff\nPATH=/b\n");
        QTest::newRow("our own value that is not text is not read, and is replaced")
            << QByteArray("[alice]\nADDT=\xff\x01\nPATH=/a\n") << "ADDT" << false << ""
            << QStringList{"ADDT=y"} << QByteArray("[alice]\nADDT=y\nPATH=/a\n");
        QTest::newRow("an unclosed header of our own name: our section is left alone")
            << QByteArray("[alice]\nPATH=/a\n[ALICE \nADDT=b\n") << "PATH" << false << ""
            << QStringList{"PATH=/b"} << QByteArray("[alice]\nPATH=/a\n[ALICE \nADDT=b\n");
        QTest::newRow("every line ending in a lone CR")
            << QByteArray("[alice]\rPATH=/a\r") << "PATH" << true << "/a"
            << QStringList{"PATH=/b", "ADDT=x"} << QByteArray("[alice]\rPATH=/b\rADDT=x\r");
        QTest::newRow("a new section in a file of CR line ends")
            << QByteArray("[bob]\rK=1\r") << "PATH" << false << "" << QStringList{"PATH=/a"}
            << QByteArray("[bob]\rK=1\r[alice]\rPATH=/a\r");
        QTest::newRow("the last line ending in a lone CR")
            << QByteArray("[alice]\nPATH=/a\r") << "PATH" << true << "/a" << QStringList{"ADDT=x"}
            << QByteArray("[alice]\nPATH=/a\rADDT=x\n");
        QTest::newRow("each line keeps its own end")
            << QByteArray("[bob]\r\nK=1\r[alice]\nPATH=/a\rADDT=b") << "ADDT" << true << "b"
            << QStringList{"PATH=/b", "ADDT=c", "BRACKET1=["}
            << QByteArray("[bob]\r\nK=1\r[alice]\nPATH=/b\rADDT=c\r\nBRACKET1=[\r\n");
    }
    void readingAndWritingAroundOtherWriters() {
        QFETCH(QByteArray, before);
        QFETCH(QString, key);
        QFETCH(bool, found);
        QFETCH(QString, value);
        QFETCH(QStringList, entries);
        QFETCH(QByteArray, after);
        auto document = IniDocument::Parse(before);
        QVERIFY(document);
        const std::optional<QString> read = document->Value(QStringLiteral("alice"), key);
        QCOMPARE(read.has_value(), found);
        if (found)
            QCOMPARE(*read, value);
        document->SetValues(QStringLiteral("alice"), Entries(entries));
        QCOMPARE(document->Serialize(), after);
    }
};

QTEST_GUILESS_MAIN(TestIniDocument)
#include "tst_IniDocument.moc"
