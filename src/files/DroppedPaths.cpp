#include "files/DroppedPaths.h"

#include <QDir>

#include "platform/FileNameCodec.h"

namespace miravel {

QStringList LocalPathsOfUrls(const QList<QUrl>& urls) {
    QStringList paths;
    for (const QUrl& url : urls) {
        if (!url.isLocalFile() || !(url.host().isEmpty() || url.host() == u"localhost"))
            continue;
        // toLocalFile() reads the escaped bytes as UTF-8 and loses those that are not.
        const QByteArray bytes =
            QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1());
        const QString path = DecodeFileName(bytes);
        if (QDir::isAbsolutePath(path))
            paths << QDir::cleanPath(path);
    }
    return paths;
}

}  // namespace miravel
