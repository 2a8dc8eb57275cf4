#pragma once

#include <QFrame>

#include "rename/NameInsertion.h"
#include "rename/OperationRequest.h"

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
class AddPanel : public QFrame {
    Q_OBJECT

  public:
    // Refused number fields are told in boxes through messages, under title.
    AddPanel(MessageBoxes* messages, const QString& title, QWidget* parent = nullptr);

    QLineEdit* Text3() const { return Text3_; }  // the text to add
    QLineEdit* txtST() const { return txtST_; }  // characters before the text under "指定"

    // The panel's fields as they stand.
    OperationRequest CurrentRequest() const;

    // Rebuilds the after-example and enables the position box only under "指定".
    void UpdateAddPreview();

  Q_SIGNALS:
    // The run button was pressed on fields that may run.
    void RunRequested(const miravel::OperationRequest& request);

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
