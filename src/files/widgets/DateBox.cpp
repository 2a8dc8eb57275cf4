#include "files/widgets/DateBox.h"

#include <utility>

#include "files/DateEntry.h"
#include "platform/widgets/LeaveCheck.h"

namespace miravel {

DateBox::DateBox(const QString& restText, std::function<QDate()> today, QWidget* parent)
    : QLineEdit(parent), today_(std::move(today)) {
    setMaxLength(kRestLength);
    setText(restText);
    // Digits only: an input method would only get in the way.
    setAttribute(Qt::WA_InputMethodEnabled, false);
    // A refusal is silent: the colour says it.
    check_ = new LeaveCheck(this, [this](const QString& text) -> std::optional<QString> {
        if (ParseDateEntry(text, today_().year()))
            return std::nullopt;
        return QString();
    });
    connect(check_, &LeaveCheck::Entered, this, &DateBox::Enter);
    connect(check_, &LeaveCheck::Left, this, &DateBox::Leave);
}

QString DateBox::Date() const {
    return check_->IsEntered() ? entryText_ : text();
}

void DateBox::SetDate(const QString& restText) {
    if (!check_->IsEntered()) {
        setText(restText);
        return;
    }
    entryText_ = restText;
    setText(DateEntryEditText(restText));
}

void DateBox::Enter() {
    entryText_ = text();
    // The text first: shortening the limit first would cut the rest form for a moment.
    setText(DateEntryEditText(entryText_));
    setMaxLength(kEditLength);
}

void DateBox::Leave() {
    const QString date = ParseDateEntry(text(), today_().year()).value_or(entryText_);
    setMaxLength(kRestLength);
    setText(date);
    if (date == entryText_)
        return;
    entryText_ = date;  // Date() answers with the new date while the change is announced
    Q_EMIT DateChanged();
}

}  // namespace miravel
