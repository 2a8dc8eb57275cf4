#pragma once

#include <QStringView>

namespace miravel::settings_texts {

// One line each on stderr, for a settings file that is a FIFO, a folder or a device; the
// start goes on with the defaults and the exit without saving. %1: the file's path.
inline constexpr QStringView SettingsFileNotRead =
    u"設定ファイル「%1」は通常のファイルではないため、読み込みませんでした。";
inline constexpr QStringView SettingsFileNotSaved =
    u"設定ファイル「%1」は通常のファイルではないため、設定を保存しませんでした。";

}  // namespace miravel::settings_texts
