#pragma once

#include <QString>
#include <vector>

#include "files/FileRow.h"

class QFontMetrics;

namespace miravel {

// The digit drawn widest in the font (proportional fonts differ by a pixel or two).
QChar WidestDigit(const QFontMetrics& metrics);

// The text with every digit made the widest one: the widest text of that shape the column can
// hold, so one measurement covers every value of the same length.
QString WithWidestDigits(QString text, QChar widest);

// The first row of each distinct type text, in row order.
std::vector<int> DistinctTypeRows(const std::vector<FileRow>& rows);

// Width in pixels of the widest text the rows can show in the column, measured once per shape
// rather than per row: sizes by the largest size, dates by the date format, numbers by the row
// count, types over the distinct types of the fill.
int WidestColumnText(const QFontMetrics& metrics, const std::vector<FileRow>& rows, int column);

}  // namespace miravel
