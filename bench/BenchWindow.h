#pragma once

#include <QString>
#include <memory>

#include "app/widgets/MainWindow.h"
#include "platform/FileSystem.h"
#include "platform/MessageBoxes.h"

namespace miravel::bench {

// Answers every confirmation with OK and counts the errors, so batch runs go through
// unattended and failures still show up in the figures.
class AcceptingMessageBoxes : public MessageBoxes {
  public:
    void Error(const QString& text, const QString& title) override;
    bool Confirm(const QString& text, const QString& title, const QString& details) override;
    int errors = 0;
};

// The main window started on a folder (its program folder, so the start folder), shown on
// the headless platform.
class BenchWindow {
  public:
    BenchWindow(const QString& folder, const QString& configFolder);
    ~BenchWindow();

    MainWindow& window() { return *window_; }
    AcceptingMessageBoxes boxes;
    FileSystem fileSystem;

  private:
    std::unique_ptr<MainWindow> window_;
};

MainWindowServices BenchServices(MessageBoxes& boxes, FileSystem& fileSystem, const QString& folder,
                                 const QString& configFolder);

// Runs what the event loop would run next: the view's delayed layout, repaints.
void DrainEvents();
// Runs the event loop for a while, so that notifications of what was just done to the files
// are dealt with before the next timed run.
void Settle();

}  // namespace miravel::bench
