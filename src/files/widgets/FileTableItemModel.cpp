#include "files/widgets/FileTableItemModel.h"

#include "files/widgets/TableImages.h"

namespace miravel {

QVariant FileTableItemModel::data(const QModelIndex& index, int role) const {
    if (role == Qt::DecorationRole && index.isValid() && index.column() == kNameColumn)
        return RowFileImage();
    return FileTableModel::data(index, role);
}

QVariant FileTableItemModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role == Qt::DecorationRole && orientation == Qt::Horizontal && section >= 0 &&
        section < kFileColumnCount)
        return HeaderSortImage(HeaderImage(section));
    return FileTableModel::headerData(section, orientation, role);
}

}  // namespace miravel
