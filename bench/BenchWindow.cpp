#include "BenchWindow.h"

#include <QCoreApplication>
#include <QDate>
#include <cstdio>

#include "Timing.h"

namespace miravel::bench {

void AcceptingMessageBoxes::Error(const QString& text, const QString&) {
    if (errors++ == 0)
        std::fprintf(stderr, "unexpected error box: %s\n", qPrintable(text));
}

bool AcceptingMessageBoxes::Confirm(const QString&, const QString&, const QString&) {
    return true;
}

MainWindowServices BenchServices(MessageBoxes& boxes, FileSystem& fileSystem, const QString& folder,
                                 const QString& configFolder) {
    MainWindowServices services;
    services.messages = &boxes;
    services.fileSystem = &fileSystem;
    services.version = {QStringLiteral("Zentrabe"), QStringLiteral("ファイル名一括変換ソフト"),
                        QStringLiteral("Miravel"), 1, 0};
    services.appFolder = folder;
    services.userConfigFolder = configFolder;
    services.loginName = QStringLiteral("bench");
    services.today = [] { return QDate(2026, 1, 15); };
    return services;
}

BenchWindow::BenchWindow(const QString& folder, const QString& configFolder) {
    window_ = std::make_unique<MainWindow>(BenchServices(boxes, fileSystem, folder, configFolder));
    window_->show();
    DrainEvents();
}

BenchWindow::~BenchWindow() = default;

void DrainEvents() {
    // A layout done in one round posts the repaint that the next round carries out.
    for (int round = 0; round < 3; ++round) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

void Settle() {
    const double until = NowMs() + 100;
    while (NowMs() < until)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    DrainEvents();
}

}  // namespace miravel::bench
