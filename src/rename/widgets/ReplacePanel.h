#pragma once

#include <QFrame>

#include "rename/BatchRename.h"

namespace miravel {

// The replace panel (Frame3): the first occurrence of a text in the selected names.
class ReplacePanel : public QFrame {
    Q_OBJECT

  public:
    ReplacePanel(const BatchContext& batch, QWidget* parent = nullptr);

  private:
    BatchContext batch_;
};

}  // namespace miravel
