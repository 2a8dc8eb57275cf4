#include "files/TypeFilter.h"

namespace miravel {

const QStringList& TypeFilterEntries() {
    static const QStringList entries = {
        QStringLiteral("*"),   QStringLiteral("7z"),   QStringLiteral("asf"),
        QStringLiteral("asm"), QStringLiteral("avi"),  QStringLiteral("bas"),
        QStringLiteral("bat"), QStringLiteral("bmp"),  QStringLiteral("c"),
        QStringLiteral("cpp"), QStringLiteral("dll"),  QStringLiteral("doc"),
        QStringLiteral("exe"), QStringLiteral("flv"),  QStringLiteral("frm"),
        QStringLiteral("gif"), QStringLiteral("hlp"),  QStringLiteral("html"),
        QStringLiteral("ico"), QStringLiteral("inf"),  QStringLiteral("ini"),
        QStringLiteral("jpg"), QStringLiteral("lib"),  QStringLiteral("log"),
        QStringLiteral("lzh"), QStringLiteral("mov"),  QStringLiteral("mp3"),
        QStringLiteral("mp4"), QStringLiteral("mpeg"), QStringLiteral("mpg"),
        QStringLiteral("obj"), QStringLiteral("ocx"),  QStringLiteral("ogm"),
        QStringLiteral("pdf"), QStringLiteral("png"),  QStringLiteral("rar"),
        QStringLiteral("txt"), QStringLiteral("vbp"),  QStringLiteral("vbs"),
        QStringLiteral("wmv"), QStringLiteral("xls"),  QStringLiteral("zip")};
    return entries;
}

QString ApplyTypeFilterToPattern(const QString& pattern, const QString& entry) {
    const qsizetype lastDot = pattern.lastIndexOf(QLatin1Char('.'));
    const QString base = lastDot < 0 ? pattern : pattern.first(lastDot);
    return base + QLatin1Char('.') + entry;
}

}  // namespace miravel
