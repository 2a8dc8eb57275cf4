#include "platform/widgets/LeaveCheckedLineEdit.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QTimer>

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

// Focus that goes to another window or to a pop-up comes back by itself; the entry goes on.
bool IsTemporaryLoss(Qt::FocusReason reason) {
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason ||
           reason == Qt::MenuBarFocusReason;
}

}  // namespace

LeaveCheckedLineEdit::LeaveCheckedLineEdit(QWidget* parent) : QLineEdit(parent) {}

void LeaveCheckedLineEdit::ShowRefused(bool refused) {
    if (!refused) {
        setPalette(QPalette());
        return;
    }
    setPalette(RefusedPalette(QApplication::palette(this)));
}

void LeaveCheckedLineEdit::focusInEvent(QFocusEvent* event) {
    if (!entered_) {
        entered_ = true;
        Enter();
    }
    // After Enter(), so that a Tab into the box selects the text Enter() put there.
    QLineEdit::focusInEvent(event);
}

void LeaveCheckedLineEdit::focusOutEvent(QFocusEvent* event) {
    // A box that is being hidden or disabled cannot keep the focus; its entry waits.
    if (!entered_ || IsTemporaryLoss(event->reason()) || !isVisible() || !isEnabled()) {
        QLineEdit::focusOutEvent(event);
        return;
    }
    if (Leave()) {
        entered_ = false;
        QLineEdit::focusOutEvent(event);
        return;
    }
    // The focus has formally gone already. Taking it back without focus events means the
    // control that was to receive it never learns about it, and this box never lost it.
    if (event->reason() == Qt::MouseFocusReason)
        SwallowPendingPress();
    setFocus(Qt::NoFocusReason);
}

bool LeaveCheckedLineEdit::event(QEvent* event) {
    // Tab is checked before the focus moves, so a refusal causes no focus traffic at all.
    if (entered_ && IsTabKey(event) && hasFocus()) {
        if (!Leave()) {
            event->accept();
            return true;
        }
        entered_ = false;
        const bool handled = QLineEdit::event(event);
        // With nowhere else to go the focus stays: that starts a new entry.
        if (hasFocus() && !entered_) {
            entered_ = true;
            Enter();
        }
        return handled;
    }
    return QLineEdit::event(event);
}

void LeaveCheckedLineEdit::SwallowPendingPress() {
    // The mouse press that moved the focus is delivered right after the focus change; without
    // it a button cannot be clicked. Nothing else is pending by the next turn of the event loop.
    if (swallowingPress_)
        return;
    swallowingPress_ = true;
    qApp->installEventFilter(this);
    QTimer::singleShot(0, this, [this] {
        if (swallowingPress_) {
            swallowingPress_ = false;
            qApp->removeEventFilter(this);
        }
    });
}

bool LeaveCheckedLineEdit::eventFilter(QObject* watched, QEvent* event) {
    if (swallowingPress_ && watched->isWidgetType() &&
        (event->type() == QEvent::MouseButtonPress ||
         event->type() == QEvent::MouseButtonDblClick)) {
        swallowingPress_ = false;
        qApp->removeEventFilter(this);
        return true;
    }
    return QLineEdit::eventFilter(watched, event);
}

}  // namespace miravel
