#include "files/widgets/SmallButton.h"

#include <QPushButton>

namespace miravel {

QPushButton* MakeSmallButton(const QString& objectName, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(objectName);
    button->setAutoDefault(false);
    button->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed);
    button->setMaximumWidth(button->fontMetrics().horizontalAdvance(caption) + 24);
    return button;
}

}  // namespace miravel
