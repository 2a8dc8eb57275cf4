#include "files/widgets/PreviewDelegate.h"

#include <QPainter>
#include <QPalette>

#include "files/FileTableModel.h"
#include "platform/widgets/WarningColours.h"

namespace miravel {

QColor PreviewFailureColour(const QPalette& palette) {
    const QColor base = palette.color(QPalette::Active, QPalette::Base);
    // A deep red on light bases, a pale one on dark bases: each holds 4.5:1 against its side.
    const QColor deep(0xB0, 0x00, 0x00);
    const QColor pale(0xFF, 0x8A, 0x8A);
    return ContrastRatio(deep, base) >= ContrastRatio(pale, base) ? deep : pale;
}

void PreviewDelegate::initStyleOption(QStyleOptionViewItem* option,
                                      const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    option->state &= ~QStyle::State_Selected;
    const auto kind = PreviewKind(index.data(FileTableModel::kPreviewKindRole).toInt());
    QColor text;
    if (kind == PreviewKind::Unchanged)
        text = option->palette.color(QPalette::Disabled, QPalette::Text);
    else if (kind == PreviewKind::Fails)
        text = PreviewFailureColour(option->palette);
    if (text.isValid())
        option->palette.setColor(QPalette::Text, text);
}

void PreviewDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const {
    // The row's selection is drawn beneath every cell; this column covers it with the base.
    painter->fillRect(option.rect, option.palette.brush(QPalette::Base));
    QStyledItemDelegate::paint(painter, option, index);
}

}  // namespace miravel
