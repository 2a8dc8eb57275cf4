#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QTest>

namespace miravel::test {

// Replaces a text box's text by typing, as a user would: focus, select all, type.
inline void Retype(QLineEdit* box, const QString& text) {
    box->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Delete);
    // keyClicks takes Latin-1 only; other characters arrive as key events carrying their text.
    for (const QChar ch : text) {
        if (ch.unicode() < 0x80)
            QTest::keyClick(box, ch.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
}

// Clicks the centre of a widget with the left button, which also moves the focus to it.
inline void Click(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

}  // namespace miravel::test
