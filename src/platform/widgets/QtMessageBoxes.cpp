#include "platform/widgets/QtMessageBoxes.h"

#include <QMessageBox>

namespace miravel {

QtMessageBoxes::QtMessageBoxes(QWidget* parent) : parent_(parent) {}

void QtMessageBoxes::Error(const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::Critical, title, text, QMessageBox::Ok, parent_);
    box.exec();
}

bool QtMessageBoxes::Confirm(const QString& text, const QString& title, const QString& details) {
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok | QMessageBox::Cancel,
                    parent_);
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Cancel);
    if (!details.isEmpty())
        box.setDetailedText(details);
    return box.exec() == QMessageBox::Ok;
}

}  // namespace miravel
