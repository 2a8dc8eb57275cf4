#pragma once

#include <QPointer>
#include <QWidget>

#include "platform/MessageBoxes.h"

namespace miravel {

// The program's modal message boxes, centred on the given window.
class QtMessageBoxes : public MessageBoxes {
  public:
    explicit QtMessageBoxes(QWidget* parent);
    void Error(const QString& text, const QString& title) override;
    bool Confirm(const QString& text, const QString& title, const QString& details = {}) override;

  private:
    QPointer<QWidget> parent_;
};

}  // namespace miravel
