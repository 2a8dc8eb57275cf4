#pragma once

#include "rename/NameInsertion.h"
#include "rename/widgets/OperationPanel.h"

class QButtonGroup;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace miravel {

class MessageBoxes;

class LeaveCheck;

// The add string panel (Frame4): a text at the head, the tail of the base name or after a
// number of characters. The placement group Option1 is three radio buttons named Option1_0 to
// Option1_2 after their index, which is also their id in the group and the Placement value.
class AddPanel : public OperationPanel {
    Q_OBJECT

  public:
    // Refused number fields are told in boxes through messages, under title.
    AddPanel(MessageBoxes* messages, const QString& title, QWidget* parent = nullptr);

    QLineEdit* Text3() const { return Text3_; }  // the text to add
    QLineEdit* txtST() const { return txtST_; }  // characters before the text under "指定"

    OperationRequest CurrentRequest() const override;

    // Rebuilds the after-example and enables the position box only under "指定".
    void UpdateAddPreview();

  private:
    void RunAdd();
    std::optional<Placement> ChosenPlacement() const;

    QButtonGroup* Option1_;
    QLineEdit* txtST_;
    QLineEdit* Text3_;
    QToolButton* cmdToken_;  // a menu that inserts the date tokens into the text
    QPushButton* Command2_;  // runs the add
    QLabel* Label33_;        // names after
    LeaveCheck* positionCheck_;
};

}  // namespace miravel
