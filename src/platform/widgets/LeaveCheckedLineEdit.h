#pragma once

#include <QColor>
#include <QLineEdit>

namespace miravel {

// A text box whose entry is checked when the focus is about to leave it. Leave() decides; a
// refusal keeps the focus in the box, and the Tab key or the click that tried to take the focus
// away does nothing else. No other control ever sees a focus event from a refused change.
// Switching to another window or opening a pop-up is not leaving: it is not checked, and coming
// back does not count as a new entry.
class LeaveCheckedLineEdit : public QLineEdit {
    Q_OBJECT

  public:
    explicit LeaveCheckedLineEdit(QWidget* parent = nullptr);

    // Between an entry and a leaving that was accepted.
    bool IsEntered() const { return entered_; }

  protected:
    // Runs when the focus comes into the box from elsewhere.
    virtual void Enter() {}
    // Runs when the focus is about to leave; false keeps it in the box.
    virtual bool Leave() = 0;

    // The refused colour on or off; off returns to the usual background.
    void ShowRefused(bool refused);

    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void SwallowPendingPress();

    bool entered_ = false;
    bool swallowingPress_ = false;
};

}  // namespace miravel
