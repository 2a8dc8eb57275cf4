#pragma once

#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace miravel {

// Small builders shared by the operation panels, so every panel makes its controls alike.

// A fixed word of a panel's sentence.
QLabel* MakeWord(const QString& text, QWidget* parent);
// An example of names: on one line, never read as markup, its whole text in its tooltip (and so
// read to screen readers after the accessible name).
QLabel* MakeExample(const QString& objectName, const QString& text, const QString& accessibleName,
                    QWidget* parent);
// A text box about wide enough for `widthSample`; maxLength 0 leaves the length free.
QLineEdit* MakeTextBox(const QString& objectName, const QString& text,
                       const QString& accessibleName, const QString& widthSample, int maxLength,
                       QWidget* parent);
// A box for plain digits: no input method, so no conversion window opens over it.
QLineEdit* MakeNumberBox(const QString& objectName, const QString& text,
                         const QString& accessibleName, int maxLength, QWidget* parent);
// A run button that Enter in a text box never presses.
QPushButton* MakeRunButton(const QString& objectName, const QString& caption, QWidget* parent);
QRadioButton* MakeOption(const QString& objectName, const QString& caption, QWidget* parent);
// A fixed word that carries a control name of its own.
QLabel* MakeNamedWord(const QString& objectName, const QString& text, QWidget* parent);
// A text box that takes the width its row leaves.
QLineEdit* MakeFreeTextBox(const QString& objectName, const QString& accessibleName,
                           QWidget* parent);
// An example on one line that may hold more than the panel shows: it never widens the window.
void KeepWithinPanel(QLabel* example);
// Sets an example, the whole text also as its tooltip for when the line cuts it.
void ShowExample(QLabel* example, const QString& text);

}  // namespace miravel
