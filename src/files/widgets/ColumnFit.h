#pragma once

#include <QString>
#include <span>
#include <vector>

#include "files/FileRow.h"

class QFontMetrics;

namespace miravel {

// Columns whose texts have a width of their own: sizes, types, dates and numbers. Every other
// column of the table shows names and shares the width these leave.
bool IsFittedColumn(int column);

// The digit drawn widest in the font (proportional fonts differ by a pixel or two).
QChar WidestDigit(const QFontMetrics& metrics);

// The text with every digit made the widest one: the widest text of that shape the column can
// hold, so one measurement covers every value of the same length.
QString WithWidestDigits(QString text, QChar widest);

// The first row of each distinct type text, in row order, as indexes into rows.
std::vector<size_t> DistinctTypeRows(std::span<const FileRow> rows);

// Width in pixels of the widest text the rows can show in a size, date or number column,
// measured once per shape rather than per row: sizes by the largest size, dates by the date
// format, numbers by the longest number. 0 for other columns.
int WidestShapedText(const QFontMetrics& metrics, std::span<const FileRow> rows, int column);

}  // namespace miravel
