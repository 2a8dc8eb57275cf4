#include "files/Formats.h"

#include <cmath>

namespace miravel {

int DigitCount(qint64 value) {
    int digits = 1;
    while (value >= 10) {
        value /= 10;
        ++digits;
    }
    return digits;
}

QString GroupThousands(qint64 value) {
    QString digits = QString::number(value);
    const int start = digits.startsWith(QLatin1Char('-')) ? 1 : 0;
    for (qsizetype at = digits.size() - 3; at > start; at -= 3)
        digits.insert(at, QLatin1Char(','));
    return digits;
}

QString SizeText(qint64 bytes, int widthDigits) {
    const qint64 kilobytes = bytes / 1024 + (bytes % 1024 != 0 ? 1 : 0);
    const int pad = widthDigits - DigitCount(kilobytes);
    QString text;
    if (pad > 0)
        text.fill(QLatin1Char(' '), pad);
    text += GroupThousands(kilobytes);
    text += QLatin1String("KB");
    return text;
}

namespace {

// "#,##0.#" / "#,##0.##": rounded to `decimals`, grouped, trailing zeros dropped.
QString FormatWithDecimals(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    const auto scaled = static_cast<qint64>(std::llround(value * scale));
    const qint64 whole = scaled / static_cast<qint64>(scale);
    qint64 fraction = scaled % static_cast<qint64>(scale);
    QString text = GroupThousands(whole);
    if (fraction == 0)
        return text;
    QString fractionText = QString::number(fraction).rightJustified(decimals, QLatin1Char('0'));
    while (fractionText.endsWith(QLatin1Char('0')))
        fractionText.chop(1);
    return text + QLatin1Char('.') + fractionText;
}

}  // namespace

QString FormatSizeTotal(double totalBytes) {
    constexpr double kKiB = 1024.0;
    constexpr double kMiB = 1048576.0;
    constexpr double kGiB = 1073741824.0;
    if (totalBytes < kKiB)
        return QString::number(static_cast<qint64>(totalBytes)) + QStringLiteral(" バイト");
    if (totalBytes < kMiB)
        return FormatWithDecimals(totalBytes / kKiB, 1) + QStringLiteral(" KB");
    if (totalBytes < kGiB)
        return FormatWithDecimals(totalBytes / kMiB, 2) + QStringLiteral(" MB");
    return FormatWithDecimals(totalBytes / kGiB, 2) + QStringLiteral(" GB");
}

QString RowNumberText(qint64 n, qint64 rowCount) {
    return PaddedNumberText(n, DigitCount(rowCount));
}

QString PaddedNumberText(qint64 n, int widthDigits) {
    const int pad = widthDigits - DigitCount(n);
    QString text;
    if (pad > 0)
        text.fill(QLatin1Char(' '), pad);
    return text + QString::number(n);
}

QString SelectedCountText(qint64 count) {
    return QString::number(count) + QStringLiteral("個のファイルを選択");
}

}  // namespace miravel
