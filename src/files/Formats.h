#pragma once

#include <QString>

namespace miravel {

// Decimal digits of a non-negative count (0 has one).
int DigitCount(qint64 value);

// "n" with "," between thousands.
QString GroupThousands(qint64 value);

// Size column text: ceil(bytes / 1024) grouped, "KB", padded in front with spaces to the digit
// count of the table's largest byte size (widthDigits), so text order follows size order.
QString SizeText(qint64 bytes, int widthDigits);

// Status bar total: " バイト" below 1 KiB, else KB with one decimal, MB or GB with two,
// no trailing zeros.
QString FormatSizeTotal(double totalBytes);

// "No" column text: n right-aligned with spaces to the digit count of rowCount.
QString RowNumberText(qint64 n, qint64 rowCount);
// n right-aligned with spaces to widthDigits characters.
QString PaddedNumberText(qint64 n, int widthDigits);

// Status panel 1: "N個のファイルを選択".
QString SelectedCountText(qint64 count);

}  // namespace miravel
