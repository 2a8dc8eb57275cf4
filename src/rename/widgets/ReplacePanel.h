#pragma once

#include "rename/widgets/OperationPanel.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace miravel {

// The replace panel (Frame3): the first occurrence of a text in the selected names, or every
// one, the text plain or a pattern, with live examples of both texts.
class ReplacePanel : public OperationPanel {
    Q_OBJECT

  public:
    explicit ReplacePanel(QWidget* parent = nullptr);

    QLineEdit* Text1() const { return Text1_; }  // the text to find
    QLineEdit* Text2() const { return Text2_; }  // the replacement
    QCheckBox* chkRegex() const { return chkRegex_; }
    QCheckBox* chkReplaceAll() const { return chkReplaceAll_; }

    OperationRequest CurrentRequest() const override;

  private:
    QLineEdit* Text1_;
    QLineEdit* Text2_;
    QPushButton* Command1_;     // runs the replace
    QCheckBox* chkRegex_;       // the text to find is a regular expression
    QCheckBox* chkReplaceAll_;  // every occurrence instead of the first
    QLabel* Label30_;           // names before
    QLabel* Label28_;           // names after
};

}  // namespace miravel
