#pragma once

#include <QFrame>

#include "rename/BatchRename.h"

namespace miravel {

// The delete numbered string panel (Frame6): markers such as [第9話].
class DeletePanel : public QFrame {
    Q_OBJECT

  public:
    DeletePanel(const BatchContext& batch, QWidget* parent = nullptr);

  private:
    BatchContext batch_;
};

}  // namespace miravel
