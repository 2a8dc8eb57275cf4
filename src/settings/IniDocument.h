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
// back exactly as it was read. Section names and keys compare case-insensitively; values are
// read whole, without surrounding blanks. The text is UTF-8.
class IniDocument {
  public:
    // Larger files are not settings files; reading them would only invite trouble.
    static constexpr qsizetype kMaxSize = 1024 * 1024;

    IniDocument() = default;

    // Nothing when the bytes are not a text we can safely rewrite: too large, NUL or other
    // control bytes, invalid UTF-8, or a section header without its closing "]".
    static std::optional<IniDocument> Parse(QByteArrayView bytes);

    // The value of the first such key in the first such section; nothing when either is missing.
    std::optional<QString> Value(QStringView section, QStringView key) const;

    // Sets each key of the section: an existing key line is replaced in place, missing keys are
    // appended after the section's last key in the given order, and a missing section is added
    // at the end of the file. Control characters in values (line breaks, NULs and the rest)
    // become spaces, so that what is written always reads back.
    void SetValues(const QString& section, const std::vector<std::pair<QString, QString>>& entries);
    void SetValue(const QString& section, const QString& key, const QString& value);

    QByteArray Serialize() const;

  private:
    struct Line {
        enum class Kind { Section, Key, Other };
        Kind kind = Kind::Other;
        QByteArray text;    // the line without its ending
        QByteArray ending;  // "\n", "\r\n", or empty for a last line without one
        QString name;       // section name or key, without surrounding blanks
        QString value;      // a key's value, without surrounding blanks
    };

    static Line ClassifyLine(QByteArray text, QByteArray ending, bool* headerBroken);
    static Line MakeKeyLine(const QString& key, const QString& value, const QByteArray& ending);
    // Gives the file's last line, which has none, a line ending before lines are added after it.
    void EndLine(Line& line) const;
    std::optional<std::size_t> FindSection(QStringView section) const;
    std::size_t SectionEnd(std::size_t header) const;

    QByteArray bom_;  // a UTF-8 byte order mark in front of the first line, kept as found
    std::vector<Line> lines_;
    QByteArray newline_ = "\n";  // for lines we add: the file's own convention
};

}  // namespace miravel
