#pragma once

#include <QDate>
#include <QString>
#include <functional>

#include "app/StartRequest.h"
#include "app/WindowCaption.h"

namespace miravel {

class FileSystem;
class MessageBoxes;

// What the main window depends on from outside, injected so tests can fix each of them.
struct MainWindowServices {
    MessageBoxes* messages = nullptr;
    FileSystem* fileSystem = nullptr;
    VersionFields version;
    QString appFolder;         // the program's folder: the start folder of a portable copy
    QString userConfigFolder;  // where the settings of an installed program go
    QString homeFolder;        // the start folder of an installed program
    QString loginName;
    quint32 userId = 0;  // names the settings section when there is no login name
    std::function<QDate()> today = [] { return QDate::currentDate(); };
    // The folder and files named on the command line, and the arguments not opened.
    StartRequest start;
};

}  // namespace miravel
