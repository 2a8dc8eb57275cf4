#include "WindowHarness.h"

#include <QFile>
#include <QTest>

#include "files/widgets/FileTableItemModel.h"
#include "settings/SettingsSection.h"
#include "settings/SettingsStore.h"

namespace miravel::test {

WindowHarness::WindowHarness() = default;
WindowHarness::~WindowHarness() = default;

void WindowHarness::StartWithFormTexts() {
    lastRun.replaceFind = QStringLiteral("sample");
    lastRun.serialBefore = QStringLiteral("[第");
    lastRun.serialAfter = QStringLiteral("話]");
    lastRun.deleteStart = QStringLiteral("[第");
    lastRun.deleteEnd = QStringLiteral("話]");
}

MainWindow& WindowHarness::Open() {
    const QString settingsFile = programFolder.FilePath(QLatin1String(kSettingsFileName));
    if (!firstStart && !QFile::exists(settingsFile)) {
        SettingsValues values = lastRun;
        if (values.folder.isEmpty())
            values.folder = folder.path();
        if (!SaveSettings(settingsFile, SettingsSectionForUser(loginName, userId), values))
            qWarning("settings file not written");
    }
    MainWindowServices services;
    services.messages = &boxes;
    services.fileSystem = &fileSystem;
    services.version = {QStringLiteral("Zentrabe"), QStringLiteral("ファイル名一括変換ソフト"),
                        QStringLiteral("Miravel"), 1, 0};
    services.appFolder = programFolder.path();
    services.userConfigFolder = configFolder.path();
    services.loginName = loginName;
    services.userId = userId;
    const QDate fixedToday = today;
    services.today = [fixedToday] { return fixedToday; };
    services.start = start;
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
