#include "files/widgets/NameEditDelegate.h"

#include <QLineEdit>

namespace miravel {

QWidget* NameEditDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                        const QModelIndex& index) const {
    if (!beforeEdit || !beforeEdit(index))
        return nullptr;
    return QStyledItemDelegate::createEditor(parent, option, index);
}

void NameEditDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                    const QModelIndex& index) const {
    Q_UNUSED(model);
    auto* line = qobject_cast<QLineEdit*>(editor);
    if (line && afterEdit)
        afterEdit(index, line->text());
}

}  // namespace miravel
