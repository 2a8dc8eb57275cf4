#include "settings/IniDocument.h"

#include <QStringDecoder>

namespace miravel {

namespace {

bool IsBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

QStringView TrimBlanks(QStringView text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && IsBlank(text[begin]))
        ++begin;
    while (end > begin && IsBlank(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin);
}

bool SameName(QStringView a, QStringView b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Tabs and line ends belong in a text file; any other control byte means it is not one.
bool HasControlBytes(QByteArrayView bytes) {
    for (const char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 && c != '\t' && c != '\n' && c != '\r')
            return true;
    }
    return false;
}

bool IsValidUtf8(QByteArrayView bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = decoder.decode(bytes);
    return !decoder.hasError();
}

// Line breaks would start new lines that the next reader takes for keys or sections, and any
// other control character would make the whole file one the reader refuses.
QString OneLine(const QString& value) {
    QString result = value;
    for (QChar& c : result) {
        if (c.unicode() < 0x20 && c != QLatin1Char('\t'))
            c = QLatin1Char(' ');
    }
    return result;
}

}  // namespace

std::optional<IniDocument> IniDocument::Parse(QByteArrayView bytes) {
    if (bytes.size() > kMaxSize || HasControlBytes(bytes) || !IsValidUtf8(bytes)) {
        return std::nullopt;
    }
    IniDocument document;
    static constexpr char kBom[] = "\xEF\xBB\xBF";
    if (bytes.startsWith(QByteArrayView(kBom))) {
        document.bom_ = QByteArray(kBom);
        bytes = bytes.sliced(3);
    }
    bool newlineKnown = false;
    qsizetype start = 0;
    while (start < bytes.size()) {
        const qsizetype lf = bytes.indexOf('\n', start);
        qsizetype textEnd = lf < 0 ? bytes.size() : lf;
        QByteArray ending;
        if (lf >= 0) {
            const bool crlf = lf > start && bytes[lf - 1] == '\r';
            if (crlf)
                --textEnd;
            ending = crlf ? QByteArray("\r\n") : QByteArray("\n");
            if (!newlineKnown) {
                document.newline_ = ending;
                newlineKnown = true;
            }
        }
        bool headerBroken = false;
        document.lines_.push_back(ClassifyLine(bytes.sliced(start, textEnd - start).toByteArray(),
                                               ending, &headerBroken));
        if (headerBroken)
            return std::nullopt;
        start = lf < 0 ? bytes.size() : lf + 1;
    }
    return document;
}

IniDocument::Line IniDocument::ClassifyLine(QByteArray text, QByteArray ending,
                                            bool* headerBroken) {
    Line line;
    line.text = std::move(text);
    line.ending = std::move(ending);
    const QString decoded = QString::fromUtf8(line.text);
    const QStringView content = TrimBlanks(decoded);
    if (content.startsWith(QLatin1Char('['))) {
        const qsizetype close = content.lastIndexOf(QLatin1Char(']'));
        if (close < 0) {
            *headerBroken = true;
            return line;
        }
        line.kind = Line::Kind::Section;
        line.name = TrimBlanks(content.sliced(1, close - 1)).toString();
        return line;
    }
    if (content.startsWith(QLatin1Char(';')) || content.startsWith(QLatin1Char('#'))) {
        return line;
    }
    const qsizetype equals = content.indexOf(QLatin1Char('='));
    if (equals <= 0)
        return line;  // no key: kept as it is, never read
    const QStringView key = TrimBlanks(content.first(equals));
    if (key.isEmpty())
        return line;
    line.kind = Line::Kind::Key;
    line.name = key.toString();
    line.value = TrimBlanks(content.sliced(equals + 1)).toString();
    return line;
}

IniDocument::Line IniDocument::MakeKeyLine(const QString& key, const QString& value,
                                           const QByteArray& ending) {
    bool unused = false;
    return ClassifyLine((key + QLatin1Char('=') + OneLine(value)).toUtf8(), ending, &unused);
}

void IniDocument::EndLine(Line& line) const {
    // A last line ending in a lone CR would otherwise lose that CR to a CRLF on the next read.
    line.ending = line.text.endsWith('\r') ? QByteArray("\r\n") : newline_;
}

std::optional<std::size_t> IniDocument::FindSection(QStringView section) const {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (lines_[i].kind == Line::Kind::Section && SameName(lines_[i].name, section))
            return i;
    }
    return std::nullopt;
}

std::size_t IniDocument::SectionEnd(std::size_t header) const {
    std::size_t i = header + 1;
    while (i < lines_.size() && lines_[i].kind != Line::Kind::Section)
        ++i;
    return i;
}

std::optional<QString> IniDocument::Value(QStringView section, QStringView key) const {
    const auto header = FindSection(section);
    if (!header)
        return std::nullopt;
    const std::size_t end = SectionEnd(*header);
    for (std::size_t i = *header + 1; i < end; ++i) {
        if (lines_[i].kind == Line::Kind::Key && SameName(lines_[i].name, key)) {
            return lines_[i].value;
        }
    }
    return std::nullopt;
}

void IniDocument::SetValue(const QString& section, const QString& key, const QString& value) {
    SetValues(section, {{key, value}});
}

void IniDocument::SetValues(const QString& section,
                            const std::vector<std::pair<QString, QString>>& entries) {
    std::optional<std::size_t> header = FindSection(section);
    if (!header) {
        if (!lines_.empty() && lines_.back().ending.isEmpty())
            EndLine(lines_.back());
        bool unused = false;
        lines_.push_back(ClassifyLine(
            (QLatin1Char('[') + OneLine(section) + QLatin1Char(']')).toUtf8(), newline_, &unused));
        header = lines_.size() - 1;
    }
    const std::size_t end = SectionEnd(*header);
    std::size_t insertAt = *header + 1;
    for (std::size_t i = *header + 1; i < end; ++i) {
        if (lines_[i].kind == Line::Kind::Key)
            insertAt = i + 1;
    }

    std::vector<Line> missing;
    for (const auto& [key, value] : entries) {
        bool found = false;
        for (std::size_t i = *header + 1; i < end && !found; ++i) {
            if (lines_[i].kind == Line::Kind::Key && SameName(lines_[i].name, key)) {
                lines_[i] = MakeKeyLine(key, value, lines_[i].ending);
                found = true;
            }
        }
        if (!found) {
            bool duplicate = false;
            for (Line& line : missing) {
                if (SameName(line.name, key)) {
                    line = MakeKeyLine(key, value, newline_);
                    duplicate = true;
                }
            }
            if (!duplicate)
                missing.push_back(MakeKeyLine(key, value, newline_));
        }
    }
    if (missing.empty())
        return;
    if (lines_[insertAt - 1].ending.isEmpty())
        EndLine(lines_[insertAt - 1]);
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt),
                  std::make_move_iterator(missing.begin()), std::make_move_iterator(missing.end()));
}

QByteArray IniDocument::Serialize() const {
    QByteArray bytes = bom_;
    for (const Line& line : lines_) {
        bytes += line.text;
        bytes += line.ending;
    }
    return bytes;
}

}  // namespace miravel
