#include "settings/SettingsStore.h"

#include "platform/SmallFileRead.h"
#include "settings/IniDocument.h"
#include "settings/SettingsTexts.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <utility>
#include <vector>

namespace miravel {

namespace {

// A lone surrogate (a name byte that is not UTF-8) cannot be written into a UTF-8 file without
// changing it; such a value is left out, so the key keeps what it held.
bool FitsUtf8(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            ++i;
        } else if (text[i].isSurrogate()) {
            return false;
        }
    }
    return true;
}

// One line, whatever the path holds.
void ReportOnStderr(const QString& text, const QString& file) {
    QString shown = file;
    for (QChar& c : shown) {
        if (c.unicode() < 0x20)
            c = QChar::ReplacementCharacter;
    }
    qWarning().noquote() << text.arg(shown);
}

enum class SaveOutcome { Saved, Failed, ForeignLink };

SaveOutcome SaveInto(const QString& file, const QString& section, const SettingsValues& values,
                     const FileUpdateHooks* hooks) {
    if (file.isEmpty() || !QDir().mkpath(QFileInfo(file).absolutePath()))
        return SaveOutcome::Failed;

    std::vector<std::pair<QString, QString>> entries;
    for (std::size_t i = 0; i < kSettingsKeys.size(); ++i) {
        const QString& value = values.*kSettingsMembers[i];
        if (FitsUtf8(value))
            entries.emplace_back(QLatin1String(kSettingsKeys[i]), value);
    }

    bool refused = false;
    const FileUpdateResult result = UpdateFileLocked(
        file, IniDocument::kMaxSize,
        [&](const std::optional<QByteArray>& current) -> std::optional<QByteArray> {
            std::optional<IniDocument> document =
                current ? IniDocument::Parse(*current) : IniDocument();
            if (!document || !document->SetValues(section, entries)) {
                refused = true;
                return std::nullopt;
            }
            QByteArray bytes = document->Serialize();
            // A file grown past what the reader takes would lose every user's settings.
            if (bytes.size() > IniDocument::kMaxSize) {
                refused = true;
                return std::nullopt;
            }
            return bytes;
        },
        hooks);
    switch (result) {
        case FileUpdateResult::Replaced:
        case FileUpdateResult::Unchanged:
            return refused ? SaveOutcome::Failed : SaveOutcome::Saved;
        case FileUpdateResult::NotRegular:
            ReportOnStderr(settings_texts::SettingsFileNotSaved.toString(), file);
            return SaveOutcome::Failed;
        case FileUpdateResult::ForeignLink:
            return SaveOutcome::ForeignLink;
        case FileUpdateResult::Failed:
            break;
    }
    return SaveOutcome::Failed;
}

}  // namespace

SettingsValues LoadSettings(const QString& file, const QString& section,
                            const SettingsValues& defaults) {
    const SmallFile read = ReadSmallFile(file, IniDocument::kMaxSize);
    if (read.kind == FileKind::NotRegular)
        ReportOnStderr(settings_texts::SettingsFileNotRead.toString(), file);
    if (read.kind != FileKind::Regular)
        return defaults;
    const std::optional<IniDocument> document = IniDocument::Parse(read.bytes);
    if (!document)
        return defaults;

    SettingsValues values = defaults;
    for (std::size_t i = 0; i < kSettingsKeys.size(); ++i) {
        const std::optional<QString> value =
            document->Value(section, QString::fromLatin1(kSettingsKeys[i]));
        if (value && !value->isEmpty())
            values.*kSettingsMembers[i] = *value;
    }
    return values;
}

bool SaveSettings(const QString& file, const QString& section, const SettingsValues& values,
                  const FileUpdateHooks* hooks) {
    return SaveInto(file, section, values, hooks) == SaveOutcome::Saved;
}

bool SaveSettings(const SettingsFilePaths& paths, const QString& section,
                  const SettingsValues& values) {
    const SaveOutcome outcome = SaveInto(paths.writeTo, section, values, nullptr);
    if (outcome == SaveOutcome::ForeignLink && !paths.userFile.isEmpty() &&
        paths.userFile != paths.writeTo)
        return SaveInto(paths.userFile, section, values, nullptr) == SaveOutcome::Saved;
    return outcome == SaveOutcome::Saved;
}

}  // namespace miravel
