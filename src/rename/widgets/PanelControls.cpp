#include "rename/widgets/PanelControls.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSizePolicy>

#include "rename/widgets/ExampleLabel.h"

namespace miravel {

namespace {

// Room for the frame and the text margins of a line edit around its text.
constexpr int kTextBoxPadding = 14;

}  // namespace

QLabel* MakeWord(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QLabel* MakeExample(const QString& objectName, const QString& text, const QString& accessibleName,
                    QWidget* parent) {
    auto* label = new ExampleLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setObjectName(objectName);
    // Screen readers read the label as the name and the example, from the tooltip, as the
    // description.
    label->setAccessibleName(accessibleName);
    label->setToolTip(text);
    return label;
}

QLineEdit* MakeTextBox(const QString& objectName, const QString& text,
                       const QString& accessibleName, const QString& widthSample, int maxLength,
                       QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(objectName);
    box->setAccessibleName(accessibleName);
    if (maxLength > 0)
        box->setMaxLength(maxLength);
    box->setText(text);
    box->setFixedWidth(box->fontMetrics().horizontalAdvance(widthSample) + kTextBoxPadding);
    return box;
}

QLineEdit* MakeNumberBox(const QString& objectName, const QString& text,
                         const QString& accessibleName, int maxLength, QWidget* parent) {
    QLineEdit* box = MakeTextBox(objectName, text, accessibleName,
                                 QString(qMax(maxLength, 2), QLatin1Char('0')), maxLength, parent);
    box->setAttribute(Qt::WA_InputMethodEnabled, false);
    return box;
}

QPushButton* MakeRunButton(const QString& objectName, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(objectName);
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

QRadioButton* MakeOption(const QString& objectName, const QString& caption, QWidget* parent) {
    auto* option = new QRadioButton(caption, parent);
    option->setObjectName(objectName);
    return option;
}

QLabel* MakeNamedWord(const QString& objectName, const QString& text, QWidget* parent) {
    auto* label = MakeWord(text, parent);
    label->setObjectName(objectName);
    return label;
}

QLineEdit* MakeFreeTextBox(const QString& objectName, const QString& accessibleName,
                           QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(objectName);
    box->setAccessibleName(accessibleName);
    return box;
}

void KeepWithinPanel(QLabel* example) {
    example->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
}

void ShowExample(QLabel* example, const QString& text) {
    example->setText(text);
    example->setToolTip(text);
}

}  // namespace miravel
