#include "rename/widgets/SerialPanel.h"

namespace miravel {

SerialPanel::SerialPanel(const BatchContext& batch, QWidget* parent)
    : QFrame(parent), batch_(batch), cmbZero_(new QComboBox(this)) {
    setObjectName(QStringLiteral("Frame5"));
    setAccessibleName(QStringLiteral("連番を付加"));
    cmbZero_->setObjectName(QStringLiteral("cmbZero"));
    cmbZero_->setAccessibleName(QStringLiteral("ゼロ埋めの桁数"));
    for (int digits = 1; digits <= 8; ++digits)
        cmbZero_->addItem(QString::number(digits));
}

}  // namespace miravel
