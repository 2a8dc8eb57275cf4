#include "WindowHarness.h"

#include <QTest>

#include "files/widgets/FileTableItemModel.h"

namespace miravel::test {

WindowHarness::WindowHarness() = default;
WindowHarness::~WindowHarness() = default;

MainWindow& WindowHarness::Open() {
    MainWindowServices services;
    services.messages = &boxes;
    services.fileSystem = &fileSystem;
    services.version = {QStringLiteral("Zentrabe"), QStringLiteral("ファイル名一括変換ソフト"),
                        QStringLiteral("Miravel"), 1, 0};
    services.appFolder = folder.path();
    services.userConfigFolder = configFolder.path();
    services.loginName = loginName;
    const QDate fixedToday = today;
    services.today = [fixedToday] { return fixedToday; };
    window_ = std::make_unique<MainWindow>(services);
    window_->show();
    if (!QTest::qWaitForWindowExposed(window_.get()))
        qWarning("window not exposed");
    return *window_;
}

void WindowHarness::Close() {
    if (window_)
        window_->close();
    window_.reset();
}

QStringList WindowHarness::TableNames() const {
    QStringList names;
    for (const FileRow& row : window_->TableModel()->Rows())
        names << row.name;
    return names;
}

}  // namespace miravel::test
