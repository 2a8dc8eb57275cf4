#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QStandardPaths>
#include <cstdio>
#include <filesystem>

#include "app/StartRequest.h"
#include "app/widgets/MainWindow.h"
#include "platform/FileNameCodec.h"
#include "platform/FileSystem.h"
#include "platform/LoginName.h"
#include "platform/widgets/QtMessageBoxes.h"
#include "platform/widgets/QtTranslations.h"

namespace {

// Arguments are file names, and file names are bytes: decoded as the names read from disks are.
miravel::StartRequest ReadCommandLine(int argc, char* argv[],
                                      const miravel::FileSystem& fileSystem) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << miravel::DecodeFileName(argv[i]);
    std::error_code error;
    const std::string working = std::filesystem::current_path(error).string();
    const auto kindOf = [&fileSystem](const QString& path) {
        return miravel::KindOfPath(fileSystem, path);
    };
    return miravel::ReadStartRequest(
        arguments, miravel::DecodeFileName(working), kindOf,
        QStringLiteral("Miravel %1.%2").arg(MIRAVEL_VERSION_MAJOR).arg(MIRAVEL_VERSION_MINOR));
}

// Prints the answer of a request that ends the program; the program's exit status.
int Answer(const miravel::StartRequest& request) {
    const bool failed = request.action == miravel::StartRequest::Action::UsageError;
    const QByteArray text = request.output.toUtf8();
    std::fwrite(text.constData(), 1, static_cast<size_t>(text.size()), failed ? stderr : stdout);
    return failed ? 2 : 0;
}

// The PNGs built into the program, for a desktop whose icon theme does not know it yet.
QIcon BuiltInIcon() {
    QIcon icon;
    for (const QFileInfo& png : QDir(QStringLiteral(":/icons")).entryInfoList(QDir::Files))
        icon.addFile(png.filePath());
    return icon;
}

}  // namespace

int main(int argc, char* argv[]) {
    miravel::FileSystem fileSystem;
    // Help and version answer in a terminal without a window system. Qt's own options are not
    // known until the application has taken them out, so nothing else is judged yet.
    const miravel::StartRequest early = ReadCommandLine(argc, argv, fileSystem);
    if (early.action == miravel::StartRequest::Action::Help ||
        early.action == miravel::StartRequest::Action::Version)
        return Answer(early);

    QApplication app(argc, argv);
    miravel::StartRequest request = ReadCommandLine(argc, argv, fileSystem);
    if (request.action != miravel::StartRequest::Action::Start)
        return Answer(request);

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
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral(MIRAVEL_APP_ID), BuiltInIcon()));
    miravel::InstallQtTranslations(app);

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
    services.start = std::move(request);

    miravel::MainWindow window(services);
    window.show();
    return QApplication::exec();
}
