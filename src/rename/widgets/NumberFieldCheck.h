#pragma once

#include <QObject>
#include <QString>

class QLineEdit;

namespace miravel {

class MessageBoxes;

// Checks a number field when the focus leaves it for another control of the window: a refused
// value turns the field light red, shows its error box and takes the focus back; an accepted
// one gives the field its normal background again.
class NumberFieldCheck : public QObject {
    Q_OBJECT

  public:
    NumberFieldCheck(QLineEdit* field, MessageBoxes* messages, QString title);

    // True from a refused leave until the next accepted one, while the field can hold the focus:
    // a run button must not start a run meanwhile (its click is what moved the focus away).
    bool Refused() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Leave();
    void ReportAndReturn(const QString& problem);

    QLineEdit* field_;
    MessageBoxes* messages_;
    QString title_;
    bool refused_ = false;
};

}  // namespace miravel
