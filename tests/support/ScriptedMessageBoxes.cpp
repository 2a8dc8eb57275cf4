#include "ScriptedMessageBoxes.h"

#include <QTest>

namespace miravel::test {

void ScriptedMessageBoxes::Error(const QString& text, const QString& title) {
    shown_.append({Shown::Kind::Error, text, title, {}});
}

bool ScriptedMessageBoxes::Confirm(const QString& text, const QString& title,
                                   const QString& details) {
    shown_.append({Shown::Kind::Confirm, text, title, details});
    if (answers_.isEmpty()) {
        QTest::qFail(qPrintable("unexpected confirmation: " + text), __FILE__, __LINE__);
        return false;
    }
    return answers_.dequeue();
}

QStringList ScriptedMessageBoxes::Texts() const {
    QStringList texts;
    for (const Shown& box : shown_)
        texts << box.text;
    return texts;
}

QStringList ScriptedMessageBoxes::ErrorTexts() const {
    QStringList texts;
    for (const Shown& box : shown_)
        if (box.kind == Shown::Kind::Error)
            texts << box.text;
    return texts;
}

}  // namespace miravel::test
