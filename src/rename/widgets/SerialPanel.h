#pragma once

#include <QComboBox>
#include <QFrame>

#include "rename/BatchRename.h"

namespace miravel {

// The add serial number panel (Frame5): zero-padded numbers in table order.
class SerialPanel : public QFrame {
    Q_OBJECT

  public:
    SerialPanel(const BatchContext& batch, QWidget* parent = nullptr);

    // Minimum digit count of the numbers, "1" to "8".
    QComboBox* cmbZero() const { return cmbZero_; }

  private:
    BatchContext batch_;
    QComboBox* cmbZero_;
};

}  // namespace miravel
