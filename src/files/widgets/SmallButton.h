#pragma once

#include <QString>

class QPushButton;
class QWidget;

namespace miravel {

// A button with a short caption, no wider than the caption needs, that Enter never presses.
QPushButton* MakeSmallButton(const QString& objectName, const QString& caption, QWidget* parent);

}  // namespace miravel
