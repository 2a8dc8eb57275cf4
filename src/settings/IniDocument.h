#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <optional>
#include <utility>
#include <vector>

namespace miravel {

// An INI file held line by line, so that a change touches only the lines it must and every
// other byte (comments, blank lines, unknown lines, other sections, line endings) is written
// back exactly as it was read. Lines end in LF, CR LF or a lone CR. Section names and keys
// compare case-insensitively; values are read whole, without surrounding blanks. The text is
// UTF-8; a line that is not text (other bytes, control characters) is still a section header
// or a key by its "[" or "=", but its name or value matches nothing and reads as missing.
class IniDocument {
  public:
    // Larger files are not settings files; reading them would only invite trouble.
    static constexpr qsizetype kMaxSize = 1024 * 1024;

    IniDocument() = default;

    // Nothing when the bytes are not a text file at all: too large, or holding a NUL byte (a
    // binary file, or text in a 16-bit encoding that lines of UTF-8 would corrupt).
    static std::optional<IniDocument> Parse(QByteArrayView bytes);

    // False when it is unknown which lines are the section's: a header of its name lacks its
    // closing "]". Such a section is neither read nor written. Any other line that is not
    // understood ends the section before it, if it is a header, or is kept as it is.
    bool Understands(QStringView section) const;

    // The value of the first such key in the first such section; nothing when either is
    // missing, when that value is not text, or when the section is not understood.
    std::optional<QString> Value(QStringView section, QStringView key) const;

    // Sets each key of the section: an existing key line is replaced in place, missing keys are
    // appended after the section's last key in the given order, and a missing section is added
    // at the end of the file. Control characters in values (line breaks, NULs and the rest)
    // become spaces, so that what is written always reads back. False, and nothing changed,
    // when the section is not understood.
    bool SetValues(const QString& section, const std::vector<std::pair<QString, QString>>& entries);
    bool SetValue(const QString& section, const QString& key, const QString& value);

    QByteArray Serialize() const;

  private:
    struct Line {
        // UnclosedSection: "[" without "]", so where its section ends is unknown.
        enum class Kind { Section, UnclosedSection, Key, Other };
        Kind kind = Kind::Other;
        QByteArray text;               // the line without its ending
        QByteArray ending;             // "\n", "\r\n", "\r", or empty for a last line without one
        std::optional<QString> name;   // section name or key, without surrounding blanks
        std::optional<QString> value;  // a key's value, without surrounding blanks
    };

    static Line ClassifyLine(QByteArray text, QByteArray ending);
    static Line MakeKeyLine(const QString& key, const QString& value, const QByteArray& ending);
    static bool Is(const Line& line, Line::Kind kind, QStringView name);
    std::optional<std::size_t> FindSection(QStringView section) const;
    std::size_t SectionEnd(std::size_t header) const;

    QByteArray bom_;  // a UTF-8 byte order mark in front of the first line, kept as found
    std::vector<Line> lines_;
    QByteArray newline_ = "\n";  // for lines we add: the file's own convention
};

}  // namespace miravel
