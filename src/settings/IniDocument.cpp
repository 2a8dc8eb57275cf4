#include "settings/IniDocument.h"

#include <QStringDecoder>

namespace miravel {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

QByteArrayView TrimBlanks(QByteArrayView text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && IsBlank(text[begin]))
        ++begin;
    while (end > begin && IsBlank(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin);
}

// Tabs belong in a line of text; any other control byte, or bytes that are not UTF-8, mean
// that the line is not one.
std::optional<QString> AsText(QByteArrayView bytes) {
    for (const char c : bytes) {
        if (static_cast<unsigned char>(c) < 0x20 && c != '\t')
            return std::nullopt;
    }
    // A U+FEFF at the start of a name or value is part of it, not a byte order mark.
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless |
                                                     QStringDecoder::Flag::ConvertInitialBom);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

// Line breaks would start new lines that the next reader takes for keys or sections, and any
// other control character would make a line that the reader does not take for text.
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
    if (bytes.size() > kMaxSize || bytes.contains('\0'))
        return std::nullopt;
    IniDocument document;
    static constexpr char kBom[] = "\xEF\xBB\xBF";
    if (bytes.startsWith(QByteArrayView(kBom))) {
        document.bom_ = QByteArray(kBom);
        bytes = bytes.sliced(3);
    }
    bool newlineKnown = false;
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = start;
        while (end < bytes.size() && bytes[end] != '\n' && bytes[end] != '\r')
            ++end;
        qsizetype next = end;
        QByteArray ending;
        if (end < bytes.size()) {
            const bool crlf =
                bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n';
            next = end + (crlf ? 2 : 1);
            ending = bytes.sliced(end, next - end).toByteArray();
            if (!newlineKnown) {
                document.newline_ = ending;
                newlineKnown = true;
            }
        }
        document.lines_.push_back(
            ClassifyLine(bytes.sliced(start, end - start).toByteArray(), std::move(ending)));
        start = next;
    }
    return document;
}

IniDocument::Line IniDocument::ClassifyLine(QByteArray text, QByteArray ending) {
    Line line;
    line.text = std::move(text);
    line.ending = std::move(ending);
    const QByteArrayView content = TrimBlanks(line.text);
    if (content.startsWith('[')) {
        const qsizetype close = content.lastIndexOf(']');
        if (close < 0) {
            line.kind = Line::Kind::UnclosedSection;
            line.name = AsText(TrimBlanks(content.sliced(1)));
        } else {
            line.kind = Line::Kind::Section;
            line.name = AsText(TrimBlanks(content.sliced(1, close - 1)));
        }
        return line;
    }
    if (content.startsWith(';') || content.startsWith('#'))
        return line;
    const qsizetype equals = content.indexOf('=');
    if (equals <= 0)
        return line;  // no key: kept as it is, never read
    std::optional<QString> key = AsText(TrimBlanks(content.first(equals)));
    if (!key || key->isEmpty())
        return line;
    line.kind = Line::Kind::Key;
    line.name = std::move(key);
    line.value = AsText(TrimBlanks(content.sliced(equals + 1)));
    return line;
}

IniDocument::Line IniDocument::MakeKeyLine(const QString& key, const QString& value,
                                           const QByteArray& ending) {
    return ClassifyLine((key + QLatin1Char('=') + OneLine(value)).toUtf8(), ending);
}

bool IniDocument::Is(const Line& line, Line::Kind kind, QStringView name) {
    return line.kind == kind && line.name && line.name->compare(name, Qt::CaseInsensitive) == 0;
}

bool IniDocument::Understands(QStringView section) const {
    for (const Line& line : lines_) {
        if (Is(line, Line::Kind::UnclosedSection, section))
            return false;
    }
    return true;
}

std::optional<std::size_t> IniDocument::FindSection(QStringView section) const {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (Is(lines_[i], Line::Kind::Section, section))
            return i;
    }
    return std::nullopt;
}

std::size_t IniDocument::SectionEnd(std::size_t header) const {
    std::size_t i = header + 1;
    while (i < lines_.size() && lines_[i].kind != Line::Kind::Section &&
           lines_[i].kind != Line::Kind::UnclosedSection)
        ++i;
    return i;
}

std::optional<QString> IniDocument::Value(QStringView section, QStringView key) const {
    const auto header = FindSection(section);
    if (!header || !Understands(section))
        return std::nullopt;
    const std::size_t end = SectionEnd(*header);
    for (std::size_t i = *header + 1; i < end; ++i) {
        if (Is(lines_[i], Line::Kind::Key, key))
            return lines_[i].value;
    }
    return std::nullopt;
}

bool IniDocument::SetValue(const QString& section, const QString& key, const QString& value) {
    return SetValues(section, {{key, value}});
}

bool IniDocument::SetValues(const QString& section,
                            const std::vector<std::pair<QString, QString>>& entries) {
    if (!Understands(section))
        return false;
    std::optional<std::size_t> header = FindSection(section);
    if (!header) {
        if (!lines_.empty() && lines_.back().ending.isEmpty())
            lines_.back().ending = newline_;
        lines_.push_back(ClassifyLine(
            (QLatin1Char('[') + OneLine(section) + QLatin1Char(']')).toUtf8(), newline_));
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
            if (Is(lines_[i], Line::Kind::Key, key)) {
                lines_[i] = MakeKeyLine(key, value, lines_[i].ending);
                found = true;
            }
        }
        if (!found) {
            bool duplicate = false;
            for (Line& line : missing) {
                if (Is(line, Line::Kind::Key, key)) {
                    line = MakeKeyLine(key, value, newline_);
                    duplicate = true;
                }
            }
            if (!duplicate)
                missing.push_back(MakeKeyLine(key, value, newline_));
        }
    }
    if (missing.empty())
        return true;
    if (lines_[insertAt - 1].ending.isEmpty())
        lines_[insertAt - 1].ending = newline_;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt),
                  std::make_move_iterator(missing.begin()), std::make_move_iterator(missing.end()));
    return true;
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
