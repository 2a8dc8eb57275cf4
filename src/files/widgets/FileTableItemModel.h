#pragma once

#include "files/FileTableModel.h"

namespace miravel {

// The file table as the view shows it: with the header sort images and the row icon.
class FileTableItemModel : public FileTableModel {
    Q_OBJECT

  public:
    using FileTableModel::FileTableModel;

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
};

}  // namespace miravel
