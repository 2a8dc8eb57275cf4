#pragma once

class QApplication;

namespace miravel {

// Loads Qt's own Japanese texts (standard buttons, the details button of a message box, the
// context menu of text boxes) into the application, whatever the user's locale: the rest of the
// window is Japanese too. The translator lives as long as the application. Returns false when
// the translation files are not installed; Qt's English texts then stay.
bool InstallQtTranslations(QApplication& app);

}  // namespace miravel
