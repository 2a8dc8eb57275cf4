#pragma once

#include <QIcon>
#include <QString>

namespace miravel {

// The header sort images by key ("down", "up", "noicon"), drawn here as 9 by 8 outlined
// triangles so they stay sharp on any screen.
QIcon HeaderSortImage(const QString& key);
// The small icon of every row ("file").
QIcon RowFileImage();

}  // namespace miravel
