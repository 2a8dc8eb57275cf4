#pragma once

#include <QFrame>

#include "rename/BatchRename.h"

namespace miravel {

// The add string panel (Frame4): a text at the head, the tail of the base name or a position.
class AddPanel : public QFrame {
    Q_OBJECT

  public:
    AddPanel(const BatchContext& batch, QWidget* parent = nullptr);

  private:
    BatchContext batch_;
};

}  // namespace miravel
