#include "app/StartRequest.h"

#include <QCommandLineParser>
#include <QDir>
#include <QSet>

#include "platform/FileSystem.h"

namespace miravel {

namespace {

QString HelpText() {
    return QStringLiteral(
        "使い方: miravel [フォルダ | ファイル…]\n"
        "ひとつのフォルダのファイルの名前をまとめて変更します。\n"
        "\n"
        "引数:\n"
        "  フォルダ       そのフォルダを開きます。\n"
        "  ファイル…      最初のファイルのフォルダを開き、そのフォルダにある指定の\n"
        "                 ファイルだけを選択します。\n"
        "\n"
        "オプション:\n"
        "  -h, --help     このヘルプを表示して終了します。\n"
        "  -v, --version  バージョンを表示して終了します。\n");
}

QString UsageErrorText(const QCommandLineParser& parser) {
    const QStringList unknown = parser.unknownOptionNames();
    QString text = QStringLiteral("miravel: ");
    if (unknown.isEmpty()) {
        text += QStringLiteral("オプションの指定が正しくありません: ") + parser.errorText();
    } else {
        QStringList spelled;
        for (const QString& name : unknown)
            spelled << (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
        text += QStringLiteral("不明なオプションです: ") + spelled.join(QStringLiteral(", "));
    }
    return text + QStringLiteral("\n使い方は miravel --help で表示します。\n");
}

struct SplitPath {
    QString folder;
    QString name;
};

// A shell's wildcard can name a whole folder: a box lists a few names and counts the rest.
QString NameList(const QStringList& names) {
    constexpr qsizetype kListed = 10;
    QString list = names.mid(0, kListed).join(QLatin1Char('\n'));
    if (names.size() > kListed)
        list += QStringLiteral("\nほか %1 件").arg(names.size() - kListed);
    return list;
}

SplitPath SplitFilePath(const QString& path) {
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    return {slash <= 0 ? QStringLiteral("/") : path.left(slash), path.mid(slash + 1)};
}

}  // namespace

PathKind KindOfPath(const FileSystem& fileSystem, const QString& path) {
    if (fileSystem.FolderExists(path))
        return PathKind::Folder;
    return fileSystem.FileExists(path) ? PathKind::File : PathKind::Missing;
}

StartRequest OpenRequestForPaths(const QStringList& arguments, const QString& workingFolder,
                                 const std::function<PathKind(const QString&)>& kindOf) {
    StartRequest request;
    QSet<QString> selected;
    for (const QString& argument : arguments) {
        // An empty argument would otherwise name the working folder itself.
        const QString path = argument.isEmpty()
                                 ? QString()
                                 : QDir::cleanPath(QDir(workingFolder).filePath(argument));
        const PathKind kind = path.isEmpty() ? PathKind::Missing : kindOf(path);
        if (kind == PathKind::Missing) {
            request.missing << argument;
            continue;
        }
        const SplitPath split = kind == PathKind::File ? SplitFilePath(path) : SplitPath{path, {}};
        if (request.folder.isEmpty())
            request.folder = split.folder;
        if (split.folder != request.folder)
            request.otherFolders << argument;
        else if (kind == PathKind::File && !selected.contains(split.name)) {
            selected.insert(split.name);
            request.selectNames << split.name;
        }
    }
    return request;
}

StartRequest ReadStartRequest(const QStringList& arguments, const QString& workingFolder,
                              const std::function<PathKind(const QString&)>& kindOf,
                              const QString& nameAndVersion) {
    QCommandLineParser parser;
    // Qt's own options are single-dash words ("-platform", "-reverse"): read as one name each,
    // their letters never spell -v or -h.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    parser.addOption(help);
    parser.addOption(version);
    const bool parsed = parser.parse(arguments);

    StartRequest request;
    // Only options this program does not know may stand beside help and version: they may be
    // the toolkit's, not yet taken out.
    const bool malformed = !parsed && parser.unknownOptionNames().isEmpty();
    if (parser.isSet(help) && !malformed) {
        request.action = StartRequest::Action::Help;
        request.output = HelpText();
        return request;
    }
    if (parser.isSet(version) && !malformed) {
        request.action = StartRequest::Action::Version;
        request.output = nameAndVersion + QLatin1Char('\n');
        return request;
    }
    if (!parsed) {
        request.action = StartRequest::Action::UsageError;
        request.output = UsageErrorText(parser);
        return request;
    }

    return OpenRequestForPaths(parser.positionalArguments(), workingFolder, kindOf);
}

QString StartRequestNotice(const StartRequest& request) {
    QStringList parts;
    if (!request.missing.isEmpty())
        parts << QStringLiteral("次のファイルまたはフォルダは見つからないため開けません。\n\n") +
                     NameList(request.missing);
    if (!request.otherFolders.isEmpty())
        parts << QStringLiteral(
                     "一度に開けるフォルダはひとつだけです。%1 以外にある次のファイル"
                     "またはフォルダは開きません。\n\n")
                         .arg(request.folder) +
                     NameList(request.otherFolders);
    return parts.join(QStringLiteral("\n\n"));
}

}  // namespace miravel
