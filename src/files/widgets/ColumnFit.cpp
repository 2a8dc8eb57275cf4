#include "files/widgets/ColumnFit.h"

#include <QFontMetrics>
#include <QSet>
#include <algorithm>
#include <unordered_set>

namespace miravel {

bool IsFittedColumn(int column) {
    return column == kSizeColumn || column == kTypeColumn || column == kMadeColumn ||
           column == kRenewColumn || column == kNoColumn;
}

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

std::vector<size_t> DistinctTypeRows(std::span<const FileRow> rows) {
    // Rows of one extension share one string: its address tells most repeats apart without
    // hashing the text, so a table of a million rows is walked in a few milliseconds.
    std::unordered_set<const QChar*> seenStrings;
    QSet<QString> seenTexts;
    std::vector<size_t> distinct;
    const QChar* previous = nullptr;
    for (size_t i = 0; i < rows.size(); ++i) {
        const QChar* data = rows[i].type.constData();
        if (data == previous || !seenStrings.insert(data).second) {
            previous = data;
            continue;
        }
        previous = data;
        if (seenTexts.contains(rows[i].type))
            continue;
        seenTexts.insert(rows[i].type);
        distinct.push_back(i);
    }
    return distinct;
}

int WidestShapedText(const QFontMetrics& metrics, std::span<const FileRow> rows, int column) {
    if (rows.empty())
        return 0;
    const QChar digit = WidestDigit(metrics);
    const auto width = [&](const QString& text) {
        return metrics.horizontalAdvance(WithWidestDigits(text, digit));
    };
    switch (column) {
        case kSizeColumn: {
            const auto largest = std::max_element(
                rows.begin(), rows.end(),
                [](const FileRow& a, const FileRow& b) { return a.size < b.size; });
            return width(largest->SizeText());
        }
        case kMadeColumn:
        case kRenewColumn:
            // Every date has the one fixed format.
            return width(rows.front().ColumnText(column));
        case kNoColumn: {
            const auto longest = std::max_element(
                rows.begin(), rows.end(),
                [](const FileRow& a, const FileRow& b) { return a.number < b.number; });
            return width(longest->NumberText());
        }
        default:
            return 0;
    }
}

}  // namespace miravel
