#pragma once

#include <QStyledItemDelegate>
#include <functional>

namespace miravel {

// Edits a row's name in place: asks before an editor opens (a refusal opens none) and hands
// the committed text on instead of writing it into the model.
class NameEditDelegate : public QStyledItemDelegate {
    Q_OBJECT

  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    std::function<bool(const QModelIndex& index)> beforeEdit;
    std::function<void(const QModelIndex& index, const QString& text)> afterEdit;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
};

}  // namespace miravel
