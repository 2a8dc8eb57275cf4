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

std::vector<int> DistinctTypeRows(const std::vector<FileRow>& rows) {
    std::vector<int> distinct;
    QSet<QString> seen;
    const QChar* previous = nullptr;
    for (size_t i = 0; i < rows.size(); ++i) {
        // Neighbours of one extension share one text: no lookup for them.
        const QString& type = rows[i].type;
        if (type.constData() == previous)
            continue;
        previous = type.constData();
        if (seen.contains(type))
            continue;
        seen.insert(type);
        distinct.push_back(int(i));
    }
    return distinct;
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
            int widest = 0;
            for (int row : DistinctTypeRows(rows))
                widest = std::max(widest, metrics.horizontalAdvance(rows[size_t(row)].type));
            return widest;
        }
        default:
            return 0;
    }
}

}  // namespace miravel
