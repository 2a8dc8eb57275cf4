#include "rename/widgets/NumberFieldCheck.h"

#include <QApplication>
#include <QColor>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPalette>
#include <QPointer>
#include <QTimer>

#include "platform/MessageBoxes.h"
#include "platform/widgets/WarningColours.h"
#include "rename/NumberField.h"

namespace miravel {

namespace {

// Set while a refused field takes the focus back, so the field it takes it from is not
// checked in turn (two refused fields would otherwise hand the focus to and fro for ever).
bool returningFocus = false;

// Eats the mouse press being delivered right now, then goes. A press that moves the focus
// reaches the application's filters only after the focus has changed, so one installed while
// the field refuses to be left catches exactly the press that tried to leave it: the control
// clicked (a run button, an option) never acts on it. The zero timer removes it should no
// press follow (a widget that moved the focus by itself).
class PressDropper : public QObject {
  public:
    explicit PressDropper(QObject* field) : field_(field) {
        qApp->installEventFilter(this);
        QTimer::singleShot(0, this, [this] { deleteLater(); });
    }
    ~PressDropper() override { qApp->removeEventFilter(this); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if ((type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick) ||
            watched == field_)
            return false;
        qApp->removeEventFilter(this);
        deleteLater();
        return true;
    }

  private:
    QObject* field_;
};

}  // namespace

NumberFieldCheck::NumberFieldCheck(QLineEdit* field, MessageBoxes* messages, QString title)
    : QObject(field), field_(field), messages_(messages), title_(std::move(title)) {
    field_->installEventFilter(this);
}

bool NumberFieldCheck::Refused() const {
    return refused_ && field_->isEnabled() && field_->isVisible();
}

bool NumberFieldCheck::eventFilter(QObject* watched, QEvent* event) {
    if (watched == field_ && event->type() == QEvent::FocusOut) {
        // Only a move to another control is a leave; a box or a menu opening, or another
        // window taking over, is not.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        // A field the program switched off was not left by the user either.
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
            !returningFocus && field_->isEnabled()) {
            Leave();
            if (refused_ && reason == Qt::MouseFocusReason)
                new PressDropper(field_);
        }
    }
    return QObject::eventFilter(watched, event);
}

void NumberFieldCheck::Leave() {
    const std::optional<QString> problem = NumberFieldProblem(field_->text());
    refused_ = problem.has_value();
    if (!refused_) {
        field_->setPalette(QPalette());
        return;
    }
    field_->setPalette(RefusedPalette(QApplication::palette(field_)));
    // The box and the focus wait until the focus change that got here has finished: a modal
    // box inside it would leave the clicked control half pressed.
    QTimer::singleShot(0, this, [this, text = *problem] { ReportAndReturn(text); });
}

void NumberFieldCheck::ReportAndReturn(const QString& problem) {
    messages_->Error(problem, title_);
    if (!field_->isEnabled() || !field_->isVisible())
        return;
    returningFocus = true;
    field_->setFocus(Qt::OtherFocusReason);
    returningFocus = false;
    field_->selectAll();
}

}  // namespace miravel
