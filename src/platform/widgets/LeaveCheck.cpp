#include "platform/widgets/LeaveCheck.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

#include "platform/MessageBoxes.h"
#include "platform/widgets/WarningColours.h"

namespace miravel {

namespace {

bool IsTabKey(const QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<const QKeyEvent*>(event);
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
        return false;
    return key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
}

// Eats the mouse press being delivered right now, then goes. A press that moves the focus
// reaches the application's filters only after the focus has changed, so one made while the box
// refuses to be left catches exactly the press that tried to leave it: the control clicked never
// acts on it. Nothing else is pending by the next turn of the event loop, when it goes anyway.
class PressSwallower : public QObject {
  public:
    explicit PressSwallower(QObject* parent) : QObject(parent) {
        qApp->installEventFilter(this);
        QTimer::singleShot(0, this, [this] { deleteLater(); });
    }
    ~PressSwallower() override { qApp->removeEventFilter(this); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (done_ || !watched->isWidgetType() ||
            (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick))
            return false;
        done_ = true;
        qApp->removeEventFilter(this);
        return true;
    }

  private:
    bool done_ = false;
};

// Focus that goes to another window or to a pop-up comes back by itself; the entry goes on.
bool IsTemporaryLoss(Qt::FocusReason reason) {
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason ||
           reason == Qt::MenuBarFocusReason;
}

}  // namespace

LeaveCheck::LeaveCheck(QLineEdit* box, Validator validator, MessageBoxes* messages, QString title)
    : QObject(box),
      box_(box),
      validator_(std::move(validator)),
      messages_(messages),
      title_(std::move(title)) {
    box_->installEventFilter(this);
}

bool LeaveCheck::Refused() const {
    return refused_ && box_->isEnabled() && box_->isVisible();
}

bool LeaveCheck::eventFilter(QObject* watched, QEvent* event) {
    if (watched != box_)
        return false;
    switch (event->type()) {
        case QEvent::FocusIn:
            if (!entered_) {
                entered_ = true;
                // Before the box's own handling, so a Tab into the box selects what Entered put.
                Q_EMIT Entered();
            }
            return false;
        case QEvent::FocusOut: {
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            if (!entered_ || IsTemporaryLoss(reason) || !box_->isVisible() || !box_->isEnabled())
                return false;
            if (Leave()) {
                entered_ = false;
                return false;
            }
            // The focus has formally gone already. Taking it back without focus events means the
            // control that was to receive it never learns about it, and this box never lost it.
            if (reason == Qt::MouseFocusReason)
                new PressSwallower(this);
            box_->setFocus(Qt::NoFocusReason);
            return true;
        }
        case QEvent::KeyPress:
            // Tab is checked before the focus moves, so a refusal causes no focus traffic at all.
            if (passingTab_ || !entered_ || !IsTabKey(event) || !box_->hasFocus())
                return false;
            if (!Leave()) {
                event->accept();
                return true;
            }
            entered_ = false;
            passingTab_ = true;
            QCoreApplication::sendEvent(box_, event);
            passingTab_ = false;
            // With nowhere else to go the focus stays: that starts a new entry.
            if (box_->hasFocus() && !entered_) {
                entered_ = true;
                Q_EMIT Entered();
            }
            return true;
        default:
            return false;
    }
}

bool LeaveCheck::Leave() {
    const std::optional<QString> refusal = validator_(box_->text());
    refused_ = refusal.has_value();
    ShowRefused(refused_);
    if (!refused_) {
        Q_EMIT Left();
        return true;
    }
    if (!refusal->isEmpty() && messages_) {
        // The box waits until the focus change that got here has finished: a modal box inside
        // it would leave the clicked control half pressed.
        QTimer::singleShot(0, this, [this, text = *refusal] { Report(text); });
    }
    return false;
}

void LeaveCheck::ShowRefused(bool refused) {
    if (!refused) {
        box_->setPalette(QPalette());
        return;
    }
    box_->setPalette(RefusedPalette(QApplication::palette(box_)));
}

void LeaveCheck::Report(const QString& refusal) {
    messages_->Error(refusal, title_);
    if (!box_->isEnabled() || !box_->isVisible())
        return;
    box_->setFocus(Qt::OtherFocusReason);
    box_->selectAll();
}

}  // namespace miravel
