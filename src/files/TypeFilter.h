#pragma once

#include <QString>
#include <QStringList>

namespace miravel {

// The file types offered by the type list, in list order; the first, "*", means any type.
const QStringList& TypeFilterEntries();

// The search pattern with its extension replaced by the chosen type: the part before the last
// "." (all of it when there is none), then "." and the entry. "*.*" with "jpg" gives "*.jpg".
QString ApplyTypeFilterToPattern(const QString& pattern, const QString& entry);

}  // namespace miravel
