#include "settings/SettingsStore.h"

#include "settings/IniDocument.h"

#include <QDir>
#include <QFile>
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

}  // namespace

SettingsValues LoadSettings(const QString& file, const QString& section,
                            const SettingsValues& defaults) {
    QFile input(file);
    if (!input.open(QIODevice::ReadOnly) || input.size() > IniDocument::kMaxSize)
        return defaults;
    const QByteArray bytes = input.read(IniDocument::kMaxSize + 1);
    const std::optional<IniDocument> document = IniDocument::Parse(bytes);
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
    if (!QDir().mkpath(QFileInfo(file).absolutePath()))
        return false;

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
    return result != FileUpdateResult::Failed && !refused;
}

}  // namespace miravel
