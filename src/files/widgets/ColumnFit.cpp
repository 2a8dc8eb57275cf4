#include "files/widgets/ColumnFit.h"

#include <QFontMetrics>
#include <QSet>
#include <algorithm>

namespace miravel {

QChar WidestDigit(const QFontMetrics& metrics) {
    QChar widest = QLatin1Char('0');
    int widestAdvance = metrics.horizontalAdvance(widest);
    for (char digit = '1'; digit <= '9'; ++digit) {
        const int advance = metrics.horizontalAdvance(QLatin1Char(digit));
        if (advance > widestAdvance) {
            widest = QLatin1Char(digit);
            widestAdvance = advance;
        }
    }
    return widest;
}

QString WithWidestDigits(QString text, QChar widest) {
    for (QChar& c : text) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            c = widest;
    }
    return text;
}

int WidestColumnText(const QFontMetrics& metrics, const std::vector<FileRow>& rows, int column) {
    if (rows.empty())
        return 0;
    const QChar digit = WidestDigit(metrics);
    switch (column) {
        case kSizeColumn: {
            // Every size is padded to the largest one's digits; spaces are never wider.
            const auto largest = std::max_element(
                rows.begin(), rows.end(),
                [](const FileRow& a, const FileRow& b) { return a.size < b.size; });
            return metrics.horizontalAdvance(WithWidestDigits(largest->SizeText(), digit));
        }
        case kMadeColumn:
        case kRenewColumn:
        case kNoColumn:
            // One length for every row of a fill.
            return metrics.horizontalAdvance(
                WithWidestDigits(rows.front().ColumnText(column), digit));
        case kTypeColumn: {
            // The rows of one extension share their type text, so few texts are measured.
            QSet<QString> seen;
            int widest = 0;
            const QChar* previous = nullptr;
            for (const FileRow& row : rows) {
                // Neighbours of one extension share one text: no lookup for them.
                if (row.type.constData() == previous)
                    continue;
                previous = row.type.constData();
                if (seen.contains(row.type))
                    continue;
                seen.insert(row.type);
                widest = std::max(widest, metrics.horizontalAdvance(row.type));
            }
            return widest;
        }
        default:
            return 0;
    }
}

}  // namespace miravel
