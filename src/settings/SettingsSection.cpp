#include "settings/SettingsSection.h"

namespace miravel {

namespace {

void AppendHex(QString& out, uint value, int digits) {
    out += QString::number(value, 16).toUpper().rightJustified(digits, QLatin1Char('0'));
}

void AppendEscaped(QString& out, char32_t codePoint) {
    if (QChar::isSurrogate(codePoint)) {
        out += QLatin1String("%u");
        AppendHex(out, codePoint, 4);
        return;
    }
    const QByteArray utf8 = QString::fromUcs4(&codePoint, 1).toUtf8();
    for (const char byte : utf8) {
        out += QLatin1Char('%');
        AppendHex(out, static_cast<unsigned char>(byte), 2);
    }
}

bool NeedsEscape(char32_t codePoint, bool atEdge, LoginNameCase loginCase) {
    if (codePoint == U'%' || codePoint == U'[' || codePoint == U']')
        return true;
    if (codePoint < 0x20 || codePoint == 0x7F)
        return true;
    if (atEdge && codePoint == U' ')
        return true;
    if (QChar::isSurrogate(codePoint))
        return true;
    return loginCase == LoginNameCase::Significant && QChar::toCaseFolded(codePoint) != codePoint;
}

}  // namespace

QString SettingsSectionName(const QString& loginName, LoginNameCase loginCase) {
    QString name = loginName;
    name.remove(QChar(0));

    // The blanks at either end are the ones a header's reader would trim away.
    qsizetype firstNonBlank = 0;
    while (firstNonBlank < name.size() && name[firstNonBlank] == QLatin1Char(' '))
        ++firstNonBlank;
    qsizetype lastNonBlank = name.size();
    while (lastNonBlank > firstNonBlank && name[lastNonBlank - 1] == QLatin1Char(' ')) {
        --lastNonBlank;
    }

    QString section;
    section.reserve(name.size());
    for (qsizetype i = 0; i < name.size();) {
        const bool pair =
            i + 1 < name.size() && name[i].isHighSurrogate() && name[i + 1].isLowSurrogate();
        const char32_t codePoint =
            pair ? QChar::surrogateToUcs4(name[i], name[i + 1]) : name[i].unicode();
        const bool atEdge = i < firstNonBlank || i >= lastNonBlank;
        if (NeedsEscape(codePoint, atEdge, loginCase)) {
            AppendEscaped(section, codePoint);
        } else {
            section += name.sliced(i, pair ? 2 : 1);
        }
        i += pair ? 2 : 1;
    }
    return section;
}

QString SettingsSectionName(const QString& loginName) {
#ifdef Q_OS_WIN
    return SettingsSectionName(loginName, LoginNameCase::Ignored);
#else
    return SettingsSectionName(loginName, LoginNameCase::Significant);
#endif
}

QString SettingsSectionForUser(const QString& loginName, quint32 userId) {
    QString name = loginName;
    name.remove(QChar(0));
    if (name.isEmpty())
        return QStringLiteral("%uid") + QString::number(userId);
    return SettingsSectionName(name);
}

}  // namespace miravel
