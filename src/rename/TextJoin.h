#pragma once

#include <QString>
#include <QStringView>
#include <initializer_list>

namespace miravel {

// Concatenation of views in one allocation (Qt has no operator+ for QStringView).
inline QString JoinTexts(std::initializer_list<QStringView> parts) {
    qsizetype size = 0;
    for (const QStringView part : parts)
        size += part.size();
    QString joined;
    joined.reserve(size);
    for (const QStringView part : parts)
        joined.append(part);
    return joined;
}

}  // namespace miravel
