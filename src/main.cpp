#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QStandardPaths>
#include <QTranslator>

#include "app/widgets/MainWindow.h"
#include "platform/FileSystem.h"
#include "platform/LoginName.h"
#include "platform/widgets/QtMessageBoxes.h"

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

    // Qt's own buttons and dialogs speak Japanese like the rest of the window.
    QTranslator qtTranslator;
    if (qtTranslator.load(QLocale(QLocale::Japanese), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTranslator);

    miravel::FileSystem fileSystem;
    miravel::QtMessageBoxes messages(nullptr);
    miravel::MainWindowServices services;
    services.messages = &messages;
    services.fileSystem = &fileSystem;
    services.version = version;
    services.appFolder = QApplication::applicationDirPath();
    services.userConfigFolder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    services.loginName = miravel::CurrentLoginName();
    services.userId = miravel::CurrentUserId();

    miravel::MainWindow window(services);
    window.show();
    return QApplication::exec();
}
