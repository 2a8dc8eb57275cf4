// The settings file reader and writer. Any file the reader takes is written back byte for byte;
// a section that is not understood is never written; after setting values of one section the
// file still reads, the new values read back, and every value of every other section and key is
// what it was, whatever line ends and lines that are not text the file holds. Section names made
// from login names never break a header and never let two users share a section.
#include <QStringDecoder>
#include <QStringList>
#include <map>
#include <utility>
#include <vector>

#include "FuzzSupport.h"
#include "settings/IniDocument.h"
#include "settings/SettingsSection.h"
#include "settings/SettingsValues.h"

using namespace miravel;
using namespace miravel::fuzz;

namespace {

QString TrimBlanks(QString text) {
    while (!text.isEmpty() && (text.front() == u' ' || text.front() == u'\t'))
        text.remove(0, 1);
    while (!text.isEmpty() && (text.back() == u' ' || text.back() == u'\t'))
        text.chop(1);
    return text;
}

// What a value reads back as: one line, without blanks around it.
QString AsStored(QString value) {
    for (QChar& c : value) {
        if (c.unicode() < 0x20 && c != u'\t')
            c = u' ';
    }
    return TrimBlanks(value);
}

bool IsText(const QByteArray& line) {
    for (const char c : line) {
        if (static_cast<unsigned char>(c) < 0x20 && c != '\t')
            return false;
    }
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(line);
    return !decoder.hasError();
}

// Every (section, key) of text the file holds, found by a plain reading of its lines, which
// end in LF, CR LF or CR. Keys under a header that is not text belong to no section we know.
std::vector<std::pair<QString, QString>> KeysOf(const QByteArray& bytes) {
    std::vector<std::pair<QString, QString>> keys;
    std::optional<QString> section = QString();
    for (qsizetype start = 0; start < bytes.size();) {
        qsizetype end = start;
        while (end < bytes.size() && bytes[end] != '\n' && bytes[end] != '\r')
            ++end;
        const QByteArray raw = bytes.mid(start, end - start);
        start = end + (bytes.mid(end, 2) == "\r\n" ? 2 : 1);
        const bool text = IsText(raw);
        const QString line = TrimBlanks(QString::fromUtf8(raw));
        if (line.startsWith(u'[')) {
            const qsizetype close = line.lastIndexOf(u']');
            section =
                text ? std::optional(TrimBlanks(close < 0 ? line.mid(1) : line.mid(1, close - 1)))
                     : std::nullopt;
        } else if (text && section && !line.startsWith(u';') && !line.startsWith(u'#') &&
                   line.indexOf(u'=') > 0) {
            const QString key = TrimBlanks(line.left(line.indexOf(u'=')));
            if (!key.isEmpty())
                keys.emplace_back(*section, key);
        }
    }
    return keys;
}

void CheckSectionNames(const QString& a, const QString& b) {
    for (const LoginNameCase loginCase : {LoginNameCase::Significant, LoginNameCase::Ignored}) {
        const QString section = SettingsSectionName(a, loginCase);
        FUZZ_CHECK(!section.contains(u'[') && !section.contains(u']'));
        FUZZ_CHECK(section == TrimBlanks(section));
        FUZZ_CHECK(IsWellFormed(section));
        for (const QChar c : section)
            FUZZ_CHECK(c.unicode() >= 0x20 && c.unicode() != 0x7F);
        const QString aWithoutNul = QString(a).remove(QChar(0));
        const QString bWithoutNul = QString(b).remove(QChar(0));
        const bool sameUser = loginCase == LoginNameCase::Ignored
                                  ? aWithoutNul.compare(bWithoutNul, Qt::CaseInsensitive) == 0
                                  : aWithoutNul == bWithoutNul;
        const bool sameSection =
            section.compare(SettingsSectionName(b, loginCase), Qt::CaseInsensitive) == 0;
        if (!sameUser)
            FUZZ_CHECK(!sameSection);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const QString login = DiskName(input.ConsumeRandomLengthString(16));
    const QString otherLogin = DiskName(input.ConsumeRandomLengthString(16));
    std::vector<std::pair<QString, QString>> entries;
    for (int count = input.ConsumeIntegralInRange<int>(0, 4); count > 0; --count) {
        const auto key = kSettingsKeys[input.ConsumeIntegralInRange<std::size_t>(0, 7)];
        entries.emplace_back(QString::fromLatin1(key), TypedText(input, 40));
    }
    const std::string fileBytes = input.ConsumeRemainingBytesAsString();
    const QByteArray before(fileBytes.data(), qsizetype(fileBytes.size()));

    CheckSectionNames(login, otherLogin);

    const std::optional<IniDocument> read = IniDocument::Parse(before);
    if (!read)
        return 0;
    FUZZ_CHECK(read->Serialize() == before);

    const QString section = SettingsSectionName(login);
    IniDocument written = *read;
    // A section that is not understood is never written.
    const bool understood = read->Understands(section);
    FUZZ_CHECK(written.SetValues(section, entries) == understood);
    const QByteArray after = written.Serialize();
    if (!understood) {
        FUZZ_CHECK(after == before);
        return 0;
    }
    const std::optional<IniDocument> reread = IniDocument::Parse(after);
    FUZZ_CHECK(reread.has_value());

    std::map<QString, QString> expected;  // keys are the fixed upper-case names
    for (const auto& [key, value] : entries)
        expected[key] = AsStored(value);
    for (const auto& [key, value] : expected)
        FUZZ_CHECK(reread->Value(section, key) == value);
    for (const auto& [otherSection, key] : KeysOf(before)) {
        bool ours = false;
        for (const auto& [setKey, value] : expected)
            ours = ours || (otherSection.compare(section, Qt::CaseInsensitive) == 0 &&
                            key.compare(setKey, Qt::CaseInsensitive) == 0);
        if (!ours)
            FUZZ_CHECK(reread->Value(otherSection, key) == read->Value(otherSection, key));
    }
    return 0;
}
