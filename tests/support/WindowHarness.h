#pragma once

#include <QDate>
#include <memory>

#include "ScriptedMessageBoxes.h"
#include "TempFolder.h"
#include "app/widgets/MainWindow.h"
#include "platform/FileSystem.h"

namespace miravel::test {

// A main window on a real temporary folder (the program's folder), with scripted message
// boxes, a fixed login name and a fixed date.
class WindowHarness {
  public:
    WindowHarness();
    ~WindowHarness();

    // Creates and shows the window; files made before this are listed by its first fill.
    MainWindow& Open();
    MainWindow& window() { return *window_; }
    void Close();

    TempFolder folder;  // the program's folder and so the start folder
    TempFolder configFolder;
    ScriptedMessageBoxes boxes;
    FileSystem fileSystem;
    QDate today{2026, 12, 7};
    QString loginName = QStringLiteral("tester");

    // Names in the table, in table order.
    QStringList TableNames() const;
    QStringList SelectedNames() const { return window_->SelectedRowNames(); }
    template <typename T>
    T* Find(const QString& objectName) const {
        return window_->findChild<T*>(objectName);
    }

  private:
    std::unique_ptr<MainWindow> window_;
};

}  // namespace miravel::test
