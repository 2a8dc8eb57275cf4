#pragma once

#include <QDate>
#include <QWidget>
#include <functional>

#include "files/DateConditions.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace miravel {

class DateBox;

// The conditions under the folder list: the search pattern with its clear button, the type
// list that rewrites the pattern's extension, and the creation and modification ranges with
// their clear buttons.
class ConditionsPanel : public QWidget {
    Q_OBJECT

  public:
    ConditionsPanel(std::function<QDate()> today, QWidget* parent = nullptr);

    QLineEdit* Pattern() const { return txtPattern; }
    DateConditions Dates() const;
    // The controls in reading order, for the window's tab order.
    QList<QWidget*> ReadingOrder() const;
    // Picks the first type, which rewrites the pattern as a choice of it would.
    void ChooseFirstType();

  Q_SIGNALS:
    void PatternChanged(const QString& pattern);
    void DatesChanged(const miravel::DateConditions& dates);

  private:
    void ApplyTypeFilter();

    QLineEdit* txtPattern = nullptr;  // search pattern ("検索文字")
    QPushButton* Command5 = nullptr;  // resets the pattern ("ｸﾘｱ")
    QComboBox* Combo2 = nullptr;      // type filter
    DateBox* txtMkDate1 = nullptr;    // created from
    DateBox* txtMkDate2 = nullptr;    // created to
    DateBox* txtReNew1 = nullptr;     // modified from
    DateBox* txtReNew2 = nullptr;     // modified to
    QPushButton* cmdClear = nullptr;  // resets the creation range
    QPushButton* Command6 = nullptr;  // resets the modification range
};

}  // namespace miravel
