#pragma once

#include <QFrame>

#include "rename/OperationRequest.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace miravel {

// The replace panel (Frame3): the first occurrence of a text in the selected names, with live
// examples of both texts.
class ReplacePanel : public QFrame {
    Q_OBJECT

  public:
    explicit ReplacePanel(QWidget* parent = nullptr);

    QLineEdit* Text1() const { return Text1_; }  // the text to find
    QLineEdit* Text2() const { return Text2_; }  // the replacement

  Q_SIGNALS:
    // The run button was pressed on fields that may run.
    void RunRequested(const miravel::OperationRequest& request);

  private:
    void RunReplace();

    QLineEdit* Text1_;
    QLineEdit* Text2_;
    QPushButton* Command1_;  // runs the replace
    QLabel* Label30_;        // names before
    QLabel* Label28_;        // names after
};

}  // namespace miravel
