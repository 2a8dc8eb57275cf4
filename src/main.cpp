#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QStandardPaths>

#include "app/widgets/MainWindow.h"
#include "platform/FileSystem.h"
#include "platform/LoginName.h"
#include "platform/widgets/QtMessageBoxes.h"
#include "platform/widgets/QtTranslations.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The version fields of the caption; the numbers come from the CMake project version.
    miravel::VersionFields version;
    version.companyName = QStringLiteral("Zentrabe");
    version.fileDescription = QStringLiteral("ファイル名一括変換ソフト");
    version.productName = QStringLiteral("Miravel");
    version.major = MIRAVEL_VERSION_MAJOR;
    version.minor = MIRAVEL_VERSION_MINOR;
    QApplication::setOrganizationName(version.companyName);
    QApplication::setApplicationName(version.productName);
    QApplication::setApplicationVersion(
        QStringLiteral("%1.%2").arg(version.major).arg(version.minor));

    // The desktop finds the menu entry, and with it the icon, by this name.
    QApplication::setDesktopFileName(QStringLiteral(MIRAVEL_APP_ID));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral(MIRAVEL_APP_ID)));
    miravel::InstallQtTranslations(app);

    miravel::FileSystem fileSystem;
    miravel::QtMessageBoxes messages(nullptr);
    miravel::MainWindowServices services;
    services.messages = &messages;
    services.fileSystem = &fileSystem;
    services.version = version;
    services.appFolder = QApplication::applicationDirPath();
    services.userConfigFolder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    services.homeFolder = QDir::homePath();
    services.loginName = miravel::CurrentLoginName();
    services.userId = miravel::CurrentUserId();

    miravel::MainWindow window(services);
    window.show();
    return QApplication::exec();
}
