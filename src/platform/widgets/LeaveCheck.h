#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <optional>

class QLineEdit;

namespace miravel {

class MessageBoxes;

// Checks a text box's entry when the focus is about to leave it for another control of the
// window. The validator decides: nothing lets the focus go; a text refuses, and the focus stays
// in the box, which turns red (a shade of the palette's own, its text kept readable), while the
// Tab key or the click that tried to take the focus away does nothing else (no other control
// ever sees a focus event from a refused change).
// A non-empty refusal is also shown in an error box, after which the box's text is selected.
// Switching to another window or opening a pop-up is not leaving: it is not checked, and coming
// back does not count as a new entry. A box that is being hidden or disabled is not checked.
class LeaveCheck : public QObject {
    Q_OBJECT

  public:
    using Validator = std::function<std::optional<QString>(const QString& text)>;

    // messages may be null when every refusal is silent.
    LeaveCheck(QLineEdit* box, Validator validator, MessageBoxes* messages = nullptr,
               QString title = {});

    // Between an entry and a leaving that was accepted.
    bool IsEntered() const { return entered_; }
    // From a refused leave until the next accepted one, while the box can hold the focus.
    bool Refused() const;

  Q_SIGNALS:
    // The focus came into the box from elsewhere.
    void Entered();
    // A leave was accepted; the focus goes on once this returns.
    void Left();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool Leave();
    void ShowRefused(bool refused);
    void Report(const QString& refusal);

    QLineEdit* box_;
    Validator validator_;
    MessageBoxes* messages_;
    QString title_;
    bool entered_ = false;
    bool refused_ = false;
    bool passingTab_ = false;
};

}  // namespace miravel
