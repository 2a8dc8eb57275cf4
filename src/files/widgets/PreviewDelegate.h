#pragma once

#include <QColor>
#include <QStyledItemDelegate>

class QPalette;

namespace miravel {

// The colour of a new name that is expected to fail: a red that reads on the palette's base,
// light or dark.
QColor PreviewFailureColour(const QPalette& palette);

// Draws the preview column: on the base colour also for selected rows, so that its colours
// read; an unchanged name in the disabled text colour, a failing one in red.
class PreviewDelegate : public QStyledItemDelegate {
    Q_OBJECT

  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

  protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};

}  // namespace miravel
