#pragma once

#include <QTreeView>

namespace miravel {

// The file table's view (ListView1): report rows, several selectable, "No" shown leftmost.
class FileTableView : public QTreeView {
    Q_OBJECT

  public:
    explicit FileTableView(QWidget* parent = nullptr);
};

}  // namespace miravel
