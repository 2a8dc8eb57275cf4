#include "files/widgets/ConditionsPanel.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "files/FileTexts.h"
#include "files/TypeFilter.h"
#include "files/widgets/DateBox.h"
#include "files/widgets/SmallButton.h"
#include "platform/widgets/LeaveCheck.h"

namespace miravel {

namespace {

DateBox* MakeDateBox(const QString& objectName, const QString& text, const QString& accessible,
                     const std::function<QDate()>& today, QWidget* parent) {
    auto* box = new DateBox(text, today, parent);
    box->setObjectName(objectName);
    box->setAccessibleName(accessible);
    box->setFixedWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("0000/00/00")) + 12);
    box->setTextMargins(0, 0, 0, 0);
    return box;
}

}  // namespace

ConditionsPanel::ConditionsPanel(std::function<QDate()> today, QWidget* parent) : QWidget(parent) {
    using namespace files_texts;
    const QString clear = ClearCaption.toString();
    const QString patternCaption = PatternLabel.toString();
    const QString created = CreatedLabel.toString();
    const QString modified = ModifiedLabel.toString();
    auto* patternRow = new QHBoxLayout;
    auto* patternLabel = new QLabel(patternCaption, this);
    txtPattern = new QLineEdit(DefaultPattern.toString(), this);
    txtPattern->setObjectName(QStringLiteral("txtPattern"));
    txtPattern->setAccessibleName(patternCaption);
    patternLabel->setBuddy(txtPattern);
    Command5 = MakeSmallButton(QStringLiteral("Command5"), clear, this);
    Command5->setAccessibleName(patternCaption + clear);
    patternRow->addWidget(patternLabel);
    patternRow->addWidget(txtPattern, 1);
    patternRow->addWidget(Command5);

    auto* conditions = new QGridLayout;
    conditions->setHorizontalSpacing(2);
    conditions->setVerticalSpacing(4);
    auto* typeLabel = new QLabel(TypeLabel.toString(), this);
    Combo2 = new QComboBox(this);
    Combo2->setObjectName(QStringLiteral("Combo2"));
    Combo2->setAccessibleName(TypeLabel.toString());
    Combo2->addItems(TypeFilterEntries());
    typeLabel->setBuddy(Combo2);
    conditions->addWidget(typeLabel, 0, 0);
    conditions->addWidget(Combo2, 0, 1, 1, 3, Qt::AlignLeft);
    const QString from = QLatin1String(kDateFromDefault);
    const QString to = QLatin1String(kDateToDefault);
    const QString rangeFrom = RangeFrom.toString();
    const QString rangeTo = RangeTo.toString();
    txtMkDate1 = MakeDateBox(QStringLiteral("txtMkDate1"), from, created + rangeFrom, today, this);
    txtMkDate2 = MakeDateBox(QStringLiteral("txtMkDate2"), to, created + rangeTo, today, this);
    txtReNew1 = MakeDateBox(QStringLiteral("txtReNew1"), from, modified + rangeFrom, today, this);
    txtReNew2 = MakeDateBox(QStringLiteral("txtReNew2"), to, modified + rangeTo, today, this);
    cmdClear = MakeSmallButton(QStringLiteral("cmdClear"), clear, this);
    cmdClear->setAccessibleName(created + clear);
    Command6 = MakeSmallButton(QStringLiteral("Command6"), clear, this);
    Command6->setAccessibleName(modified + clear);
    auto addRange = [&](int row, const QString& label, QLineEdit* first, QLineEdit* last,
                        QPushButton* clearButton) {
        auto* caption = new QLabel(label, this);
        caption->setBuddy(first);
        conditions->addWidget(caption, row, 0);
        conditions->addWidget(first, row, 1);
        conditions->addWidget(new QLabel(RangeSeparator.toString(), this), row, 2);
        conditions->addWidget(last, row, 3);
        conditions->addWidget(clearButton, row, 4);
    };
    addRange(1, created, txtMkDate1, txtMkDate2, cmdClear);
    addRange(2, modified, txtReNew1, txtReNew2, Command6);
    conditions->setColumnStretch(5, 1);  // extra width goes after the clear buttons

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addLayout(patternRow);
    layout->addLayout(conditions);

    connect(txtPattern, &QLineEdit::textChanged, this, &ConditionsPanel::PatternChanged);
    // Any pattern may be left; an empty one left behind lists everything, and says so.
    auto* patternCheck =
        new LeaveCheck(txtPattern, [](const QString&) { return std::optional<QString>(); });
    connect(patternCheck, &LeaveCheck::Left, this, [this] {
        if (txtPattern->text().isEmpty())
            txtPattern->setText(files_texts::DefaultPattern.toString());
    });
    connect(Command5, &QPushButton::clicked, this,
            [this] { txtPattern->setText(files_texts::DefaultPattern.toString()); });
    // A new entry rewrites the pattern; picking the shown entry again applies it once more, in
    // case the pattern was typed over since.
    connect(Combo2, &QComboBox::currentIndexChanged, this, [this] { ApplyTypeFilter(); });
    connect(Combo2, &QComboBox::activated, this, [this] { ApplyTypeFilter(); });
    for (DateBox* box : {txtMkDate1, txtMkDate2, txtReNew1, txtReNew2})
        connect(box, &DateBox::DateChanged, this, [this] { Q_EMIT DatesChanged(Dates()); });
    const auto reset = [this](DateBox* first, DateBox* last) {
        first->SetDate(QLatin1String(kDateFromDefault));
        last->SetDate(QLatin1String(kDateToDefault));
        Q_EMIT DatesChanged(Dates());
    };
    connect(cmdClear, &QPushButton::clicked, this,
            [this, reset] { reset(txtMkDate1, txtMkDate2); });
    connect(Command6, &QPushButton::clicked, this, [this, reset] { reset(txtReNew1, txtReNew2); });
}

DateConditions ConditionsPanel::Dates() const {
    DateConditions dates;
    dates.createdFrom = txtMkDate1->Date();
    dates.createdTo = txtMkDate2->Date();
    dates.modifiedFrom = txtReNew1->Date();
    dates.modifiedTo = txtReNew2->Date();
    return dates;
}

QList<QWidget*> ConditionsPanel::ReadingOrder() const {
    return {txtPattern, Command5,  Combo2,    txtMkDate1, txtMkDate2,
            cmdClear,   txtReNew1, txtReNew2, Command6};
}

void ConditionsPanel::ChooseFirstType() {
    Combo2->setCurrentIndex(0);
    ApplyTypeFilter();  // the first entry is current already, so no change announces it
}

void ConditionsPanel::ApplyTypeFilter() {
    // The pattern's change announces the new pattern.
    txtPattern->setText(ApplyTypeFilterToPattern(txtPattern->text(), Combo2->currentText()));
}

}  // namespace miravel
