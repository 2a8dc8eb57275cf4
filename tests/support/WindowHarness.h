#pragma once

#include <QDate>
#include <memory>

#include "ScriptedMessageBoxes.h"
#include "TempFolder.h"
#include "app/widgets/MainWindow.h"
#include "platform/FileSystem.h"
#include "session/FolderSession.h"
#include "settings/SettingsValues.h"

namespace miravel::test {

// A main window on a real temporary folder, with scripted message boxes, a fixed login name and
// a fixed date. The folder is the one the last run showed, as its settings file says; that file
// sits in a program folder of its own, so it never turns up in the table.
class WindowHarness {
  public:
    WindowHarness();
    ~WindowHarness();

    // Creates and shows the window; files made before this are listed by its first fill.
    MainWindow& Open();
    MainWindow& window() { return *window_; }
    void Close();
    // Deletes the window without closing it first, as a test that simply ends does.
    void Destroy() { window_.reset(); }

    TempFolder folder;         // the start folder
    TempFolder programFolder;  // the program's folder, where rename.ini is kept
    TempFolder configFolder;
    ScriptedMessageBoxes boxes;
    FileSystem fileSystem;
    QDate today{2026, 12, 7};
    QString loginName = QStringLiteral("tester");
    quint32 userId = 4242;
    // What the last run saved, written for loginName when Open finds no settings file; an empty
    // folder stands for `folder`. With firstStart nothing is written: the program starts as on
    // its first run, in programFolder with empty texts.
    SettingsValues lastRun;
    bool firstStart = false;
    // What the command line asked for.
    StartRequest start;
    // Sets lastRun's texts to the ones a user sees in the boxes when the form is designed.
    void StartWithFormTexts();

    // Names in the table, in table order.
    QStringList TableNames() const;
    QStringList SelectedNames() const { return window_->Session().SelectedNames(); }
    template <typename T>
    T* Find(const QString& objectName) const {
        return window_->findChild<T*>(objectName);
    }

  private:
    std::unique_ptr<MainWindow> window_;
};

}  // namespace miravel::test
