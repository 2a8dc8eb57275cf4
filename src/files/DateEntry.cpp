#include "files/DateEntry.h"

#include <QDate>

namespace miravel {

namespace {

bool AllDigits(QStringView text) {
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

bool IsRestDate(QStringView text) {
    return text.size() == 10 && text[4] == QLatin1Char('/') && text[7] == QLatin1Char('/') &&
           AllDigits(text.first(4)) && AllDigits(text.sliced(5, 2)) && AllDigits(text.sliced(8));
}

}  // namespace

QString DateEntryEditText(const QString& restText) {
    if (!IsRestDate(restText))
        return restText;
    return restText.first(4) + restText.sliced(5, 2) + restText.sliced(8, 2);
}

std::optional<QString> ParseDateEntry(const QString& typed, int currentYear) {
    const QString entry = typed.trimmed();
    if (!AllDigits(entry))
        return std::nullopt;
    QString digits;
    if (entry.size() == 8) {
        digits = entry;
    } else if (entry.size() == 6) {
        const int century = (currentYear / 100) % 100;
        digits = QStringLiteral("%1").arg(century, 2, 10, QLatin1Char('0')) + entry;
    } else {
        return std::nullopt;
    }
    const int year = digits.first(4).toInt();
    const int month = digits.sliced(4, 2).toInt();
    const int day = digits.sliced(6, 2).toInt();
    // There is no year 0 in the calendar; QDate would take it for 1 BC.
    if (year < 1 || !QDate::isValid(year, month, day))
        return std::nullopt;
    return digits.first(4) + QLatin1Char('/') + digits.sliced(4, 2) + QLatin1Char('/') +
           digits.sliced(6, 2);
}

}  // namespace miravel
