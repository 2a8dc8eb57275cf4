#pragma once

#include <QString>

class QLineEdit;

namespace miravel {

class LeaveCheck;
class MessageBoxes;

// Checks a number field (start number, positions) as it is left: a refused value keeps the
// focus in the field, turns it light red and shows its error box under title.
LeaveCheck* CheckNumberField(QLineEdit* field, MessageBoxes* messages, const QString& title);

}  // namespace miravel
