#pragma once

#include "settings/SettingsValues.h"

class QWidget;

namespace miravel {

// The panels' text boxes and check boxes whose texts and states are remembered between runs,
// found by their names under the window.
void FillPersistedTexts(QWidget* window, const SettingsValues& values);
void TakePersistedTexts(const QWidget* window, SettingsValues& values);

}  // namespace miravel
