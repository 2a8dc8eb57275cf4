#include "platform/TypeDescriptions.h"

#include <QMimeType>

namespace miravel {

namespace {

const QString kPlainFile = QStringLiteral("ファイル");

}  // namespace

QString TypeDescriptions::Describe(QStringView fileName) {
    const qsizetype dot = fileName.lastIndexOf(u'.');
    if (dot < 0 || dot == fileName.size() - 1)
        return kPlainFile;
    const QString extension = fileName.sliced(dot + 1).toString().toLower();
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
