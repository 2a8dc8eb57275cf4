#include "files/widgets/DateBox.h"

#include <utility>

#include "files/DateEntry.h"

namespace miravel {

DateBox::DateBox(const QString& restText, std::function<QDate()> today, QWidget* parent)
    : LeaveCheckedLineEdit(parent), today_(std::move(today)) {
    setMaxLength(kRestLength);
    setText(restText);
    // Digits only: an input method would only get in the way.
    setAttribute(Qt::WA_InputMethodEnabled, false);
}

QString DateBox::Date() const {
    return IsEntered() ? entryText_ : text();
}

void DateBox::SetDate(const QString& restText) {
    if (!IsEntered()) {
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

bool DateBox::Leave() {
    const std::optional<QString> date = ParseDateEntry(text(), today_().year());
    if (!date) {
        ShowRefused(true);
        return false;
    }
    setMaxLength(kRestLength);
    setText(*date);
    ShowRefused(false);
    if (*date == entryText_)
        return true;
    entryText_ = *date;  // Date() answers with the new date while the change is announced
    Q_EMIT DateChanged();
    return true;
}

}  // namespace miravel
