#pragma once

#include <QApplication>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QTabBar>
#include <QTest>

#include "files/widgets/FileTableItemModel.h"
#include "files/widgets/FileTableView.h"
#include "support/WindowHarness.h"

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

// Clicks into the box, then retypes its text: the focus moves by a real mouse press.
inline void TypeInto(QLineEdit* box, const QString& text) {
    Click(box);
    Retype(box, text);
}

inline void ShowTab(WindowHarness& harness, int tab) {
    auto* tabs = harness.Find<QTabBar>(QStringLiteral("TabStrip1"));
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(tab).center());
}

// Gives the window the keyboard, so focus changes happen as on a desktop.
inline bool ActivateWindow(WindowHarness& harness) {
    harness.window().activateWindow();
    return QTest::qWaitForWindowActive(&harness.window());
}

// Selects exactly the rows of the given names.
inline void SelectOnly(WindowHarness& harness, const QStringList& names) {
    QItemSelectionModel* selection = harness.window().TableView()->selectionModel();
    selection->clearSelection();
    const FileTableItemModel* model = harness.window().TableModel();
    for (int row = 0; row < model->rowCount(); ++row) {
        if (names.contains(model->Row(row).name))
            selection->select(model->index(row, 0),
                              QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
}

}  // namespace miravel::test
