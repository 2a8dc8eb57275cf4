#pragma once

#include <QFrame>

#include "rename/BatchRename.h"
#include "rename/NameInsertion.h"

class QButtonGroup;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace miravel {

class NumberFieldCheck;

// The add string panel (Frame4): a text at the head, the tail of the base name or after a
// number of characters. The placement group Option1 is three radio buttons named Option1_0 to
// Option1_2 after their index, which is also their id in the group and the Placement value.
class AddPanel : public QFrame {
    Q_OBJECT

  public:
    AddPanel(const BatchContext& batch, QWidget* parent = nullptr);

    QLineEdit* Text3() const { return Text3_; }  // the text to add
    QLineEdit* txtST() const { return txtST_; }  // characters before the text under "指定"

    // Rebuilds the after-example and enables the position box only under "指定".
    void UpdateAddPreview();

  private:
    void RunAdd();
    std::optional<Placement> ChosenPlacement() const;

    BatchContext batch_;
    QButtonGroup* Option1_;
    QLineEdit* txtST_;
    QLineEdit* Text3_;
    QToolButton* cmdToken_;  // a menu that inserts the date tokens into the text
    QPushButton* Command2_;  // runs the add
    QLabel* Label33_;        // names after
    NumberFieldCheck* positionCheck_;
};

}  // namespace miravel
