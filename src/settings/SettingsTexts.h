#pragma once

#include <QString>

namespace miravel::texts {

// One line each on stderr, for a settings file that is a FIFO, a folder or a device; the
// start goes on with the defaults and the exit without saving. %1: the file's path.
inline const QString kSettingsFileNotRead =
    QStringLiteral("設定ファイル「%1」は通常のファイルではないため、読み込みませんでした。");
inline const QString kSettingsFileNotSaved =
    QStringLiteral("設定ファイル「%1」は通常のファイルではないため、設定を保存しませんでした。");

}  // namespace miravel::texts
