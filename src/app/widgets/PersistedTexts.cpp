#include "app/widgets/PersistedTexts.h"

#include <QCheckBox>
#include <QLineEdit>

namespace miravel {

namespace {

// In the order they are filled.
struct PersistedBox {
    const char* objectName;
    QString SettingsValues::*value;
};
constexpr PersistedBox kPersistedBoxes[] = {
    {"Text1", &SettingsValues::replaceFind}, {"Text2", &SettingsValues::replaceWith},
    {"Text3", &SettingsValues::addText},     {"Text4", &SettingsValues::serialBefore},
    {"Text6", &SettingsValues::serialAfter}, {"Text7", &SettingsValues::deleteStart},
    {"Text8", &SettingsValues::deleteEnd}};
// Kept as "1" (on) and "0" (off); anything else reads as off.
constexpr PersistedBox kPersistedChecks[] = {{"chkRegex", &SettingsValues::regex},
                                             {"chkReplaceAll", &SettingsValues::replaceAll}};

}  // namespace

void FillPersistedTexts(QWidget* window, const SettingsValues& values) {
    for (const PersistedBox& persisted : kPersistedBoxes) {
        if (auto* box = window->findChild<QLineEdit*>(QLatin1String(persisted.objectName)))
            box->setText(values.*persisted.value);
    }
    for (const PersistedBox& persisted : kPersistedChecks) {
        if (auto* box = window->findChild<QCheckBox*>(QLatin1String(persisted.objectName)))
            box->setChecked(values.*persisted.value == u"1");
    }
}

void TakePersistedTexts(const QWidget* window, SettingsValues& values) {
    for (const PersistedBox& persisted : kPersistedBoxes) {
        if (const auto* box =
                window->findChild<const QLineEdit*>(QLatin1String(persisted.objectName)))
            values.*persisted.value = box->text();
    }
    for (const PersistedBox& persisted : kPersistedChecks) {
        if (const auto* box =
                window->findChild<const QCheckBox*>(QLatin1String(persisted.objectName)))
            values.*persisted.value = box->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
    }
}

}  // namespace miravel
