#pragma once

#include <QStringList>

namespace miravel {

class FileTableItemModel;
class FileTableView;

// Selects only the rows of the named files, the first of them brought into view.
void SelectNamedRows(FileTableView& view, const FileTableItemModel& model,
                     const QStringList& names);

}  // namespace miravel
