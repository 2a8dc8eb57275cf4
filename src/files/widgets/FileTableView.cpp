#include "files/widgets/FileTableView.h"

namespace miravel {

FileTableView::FileTableView(QWidget* parent) : QTreeView(parent) {
    setObjectName(QStringLiteral("ListView1"));
    setAccessibleName(QStringLiteral("ファイル一覧"));
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
}

}  // namespace miravel
