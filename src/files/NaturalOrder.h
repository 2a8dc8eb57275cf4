#pragma once

#include <QString>
#include <QStringView>

namespace miravel {

// Names compare in natural order with case ignored ("ep2" before "ep10"), because the table
// order is the numbering order of serial numbers. Fold once, compare many times.
QString NaturalSortKey(const QString& name);
// Compares two keys made by NaturalSortKey; <0, 0, >0.
int NaturalCompare(QStringView left, QStringView right);

}  // namespace miravel
