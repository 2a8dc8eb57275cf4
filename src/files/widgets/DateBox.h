#pragma once

#include <QDate>
#include <QLineEdit>
#include <QString>
#include <functional>

namespace miravel {

class LeaveCheck;

// A box of a date range: "yyyy/mm/dd" at rest, eight digits while it is edited. Leaving it
// accepts eight digits or six (yymmdd, the century from today's date) that make a real day;
// anything else turns the box light red and keeps the focus in it, silently.
class DateBox : public QLineEdit {
    Q_OBJECT

  public:
    static constexpr int kRestLength = 10;
    static constexpr int kEditLength = 8;

    DateBox(const QString& restText, std::function<QDate()> today, QWidget* parent = nullptr);

    // The date in force: the text at rest; while the box is edited, the date it held on entry,
    // since what is typed counts only once the box is left.
    QString Date() const;
    // Puts a date in force from outside. A box being edited shows it for editing and keeps its
    // colour and length limit, so leaving it later works as usual.
    void SetDate(const QString& restText);

  Q_SIGNALS:
    // A leaving put a different date in force.
    void DateChanged();

  private:
    void Enter();
    void Leave();

    std::function<QDate()> today_;
    LeaveCheck* check_;
    QString entryText_;  // the text when the focus came in
};

}  // namespace miravel
