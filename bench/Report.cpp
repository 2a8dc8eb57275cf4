#include "Report.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>
#include <algorithm>
#include <cmath>

namespace miravel::bench {

namespace {

QJsonValue OrNull(const std::optional<double>& value, int decimals) {
    if (!value)
        return QJsonValue(QJsonValue::Null);
    const double scale = std::pow(10.0, decimals);
    return std::round(*value * scale) / scale;
}

QString Cell(const std::optional<double>& value, int decimals, const QString& suffix = {}) {
    return value ? QString::number(*value, 'f', decimals) + suffix : QStringLiteral("-");
}

}  // namespace

QString FormatTable(const BenchResults& results) {
    const QStringList header = {QStringLiteral("benchmark"), QStringLiteral("n"),
                                QStringLiteral("program"),   QStringLiteral("spread"),
                                QStringLiteral("reference"), QStringLiteral("ratio"),
                                QStringLiteral("target"),    QStringLiteral("")};
    std::vector<QStringList> lines = {header};
    for (const BenchResult& result : results) {
        const QString program = result.bytesPerRow ? Cell(result.bytesPerRow, 0, " B/row")
                                                   : Cell(result.medianMs, 2, " ms");
        const QString verdict = !result.met ? QString() : *result.met ? "ok" : "MISSED";
        const QString spread =
            result.lowMs && result.highMs
                ? Cell(result.lowMs, 1) + QStringLiteral("-") + Cell(result.highMs, 1)
                : QStringLiteral("-");
        lines.push_back({result.name, QString::number(result.n), program, spread,
                         Cell(result.referenceMedianMs, 2, " ms"), Cell(result.Ratio(), 2),
                         result.target, verdict});
    }
    std::vector<qsizetype> widths(header.size(), 0);
    for (const QStringList& line : lines)
        for (qsizetype column = 0; column < line.size(); ++column)
            widths[size_t(column)] = std::max(widths[size_t(column)], line[column].size());

    QString text;
    for (const QStringList& line : lines) {
        QString row;
        for (qsizetype column = 0; column < line.size(); ++column) {
            // Numbers right-aligned, words left-aligned.
            const bool numeric = column >= 1 && column <= 5;
            const qsizetype width = widths[size_t(column)];
            row += numeric ? line[column].rightJustified(width) : line[column].leftJustified(width);
            row += QStringLiteral("  ");
        }
        text += row.trimmed() + QLatin1Char('\n');
    }
    return text;
}

QString FormatJson(const BenchResults& results) {
    QJsonArray array;
    for (const BenchResult& result : results) {
        QJsonObject object;
        object.insert(QStringLiteral("name"), result.name);
        object.insert(QStringLiteral("n"), result.n);
        object.insert(QStringLiteral("median_ms"), OrNull(result.medianMs, 3));
        object.insert(QStringLiteral("min_ms"), OrNull(result.lowMs, 3));
        object.insert(QStringLiteral("max_ms"), OrNull(result.highMs, 3));
        object.insert(QStringLiteral("reference_median_ms"), OrNull(result.referenceMedianMs, 3));
        object.insert(QStringLiteral("ratio"), OrNull(result.Ratio(), 3));
        if (result.bytesPerRow)
            object.insert(QStringLiteral("bytes_per_row"), OrNull(result.bytesPerRow, 0));
        if (!result.target.isEmpty())
            object.insert(QStringLiteral("target"), result.target);
        if (result.met)
            object.insert(QStringLiteral("met"), *result.met);
        array.append(object);
    }
    return QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Indented));
}

}  // namespace miravel::bench
