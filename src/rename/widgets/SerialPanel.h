#pragma once

#include "rename/SerialOperation.h"
#include "rename/widgets/OperationPanel.h"

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace miravel {

class MessageBoxes;

class LeaveCheck;

// The add serial number panel (Frame5): zero-padded numbers in table order.
class SerialPanel : public OperationPanel {
    Q_OBJECT

  public:
    // Refused number fields are told in boxes through messages, under title.
    SerialPanel(MessageBoxes* messages, const QString& title, QWidget* parent = nullptr);

    // Minimum digit count of the numbers, "1" to "8".
    QComboBox* cmbZero() const { return cmbZero_; }
    // The texts around the number, kept in the settings between runs.
    QLineEdit* Text4() const { return Text4_; }
    QLineEdit* Text6() const { return Text6_; }

    // The panel's fields as they stand.
    SerialFields Fields() const;
    OperationRequest CurrentRequest() const override { return Fields(); }
    // Rebuilds the after-example and its tooltip, and enables the position box for "指定".
    void UpdateSerialPreview();
    // Selects the zero-padding entry equal to the digit count of count (the last when none).
    void SetDigitsFromCount(qint64 count);

  private:
    void BuildControls();
    void Run();

    QComboBox* cmbZero_;
    QButtonGroup* Option2 = nullptr;  // placement: head, tail, at a position
    QLineEdit* txtST2 = nullptr;      // position for "指定"
    QLineEdit* Text4_ = nullptr;      // before the number
    QLineEdit* Text5 = nullptr;       // start number
    QLineEdit* Text6_ = nullptr;      // after the number
    QPushButton* Command3 = nullptr;  // runs the numbering
    QLabel* Label37 = nullptr;        // fixed sample names
    QLabel* lblPre = nullptr;         // the sample names numbered
    LeaveCheck* startCheck_ = nullptr;
    LeaveCheck* positionCheck_ = nullptr;
};

}  // namespace miravel
