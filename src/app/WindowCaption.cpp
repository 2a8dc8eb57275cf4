#include "app/WindowCaption.h"

namespace miravel {

QString WindowCaption(const VersionFields& fields) {
    return fields.companyName + QLatin1Char(' ') + fields.fileDescription + QStringLiteral(" 『") +
           fields.productName + QStringLiteral(" Ver") + QString::number(fields.major) +
           QLatin1Char('.') + QString::number(fields.minor) + QStringLiteral("』");
}

}  // namespace miravel
