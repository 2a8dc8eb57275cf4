#include "platform/TypeDescriptions.h"

#include <QMimeType>
#include <cstring>

namespace miravel {

namespace {

const QString kPlainFile = QStringLiteral("ファイル");

}  // namespace

QString TypeDescriptions::Describe(QStringView fileName) {
    const qsizetype dot = fileName.lastIndexOf(u'.');
    if (dot < 0 || dot == fileName.size() - 1)
        return kPlainFile;
    const QStringView extension = fileName.sliced(dot + 1);

    // Lowering plain ASCII letter by letter gives what toLower() gives the whole text.
    constexpr qsizetype kShort = sizeof(RecentExtension::text) / sizeof(char16_t);
    char16_t lower[kShort];
    bool shortAscii = extension.size() <= kShort;
    quint32 hash = 2166136261u;
    for (qsizetype i = 0; shortAscii && i < extension.size(); ++i) {
        char16_t c = extension[i].unicode();
        if (c >= 0x80) {
            shortAscii = false;
            break;
        }
        if (c >= u'A' && c <= u'Z')
            c = char16_t(c + (u'a' - u'A'));
        lower[i] = c;
        hash = (hash ^ c) * 16777619u;
    }
    if (!shortAscii)
        return DescribeExtension(extension.toString().toLower());

    RecentExtension& slot = recent_[hash % kRecentSlots];
    const size_t bytes = size_t(extension.size()) * sizeof(char16_t);
    if (slot.length == extension.size() && std::memcmp(slot.text, lower, bytes) == 0)
        return slot.description;
    QString description =
        DescribeExtension(QString(reinterpret_cast<const QChar*>(lower), extension.size()));
    slot.length = extension.size();
    std::memcpy(slot.text, lower, bytes);
    slot.description = description;
    return description;
}

QString TypeDescriptions::DescribeExtension(const QString& extension) {
    if (auto found = byExtension_.constFind(extension); found != byExtension_.constEnd())
        return *found;

    // A made-up name carrying only the extension keeps one answer per extension, whatever
    // else the real names hold ("x.tar.gz" and "y.gz" both describe as ".gz").
    const QMimeType type =
        database_.mimeTypeForFile(QStringLiteral("x.") + extension, QMimeDatabase::MatchExtension);
    QString description = type.isValid() && !type.isDefault() ? type.comment() : QString();
    if (description.isEmpty())
        description = extension.toUpper() + u' ' + kPlainFile;
    byExtension_.insert(extension, description);
    return description;
}

}  // namespace miravel
