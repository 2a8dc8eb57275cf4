#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

// Installs this very build into a temporary root, as a package or `cmake --install` would, and
// checks what the desktop finds there.
class InstallTreeTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void initTestCase();
    void InstalledFiles_data();
    void InstalledFiles();
    void DesktopEntry_data();
    void DesktopEntry();
    void IconIsAnSvgDrawing();
    void PngIcons_data();
    void PngIcons();
    void CompressedAsDebianWants_data();
    void CompressedAsDebianWants();
    void DocumentsNameThisVersion_data();
    void DocumentsNameThisVersion();
    void MetainfoLaunchesTheDesktopEntry();
    void Validators_data();
    void Validators();

  private:
    QString Installed(const QString& relative) const { return root_.filePath(relative); }

    QTemporaryDir root_;
};

namespace {

const QString kAppId = QStringLiteral(MIRAVEL_APP_ID);
const QString kDesktopFile = QStringLiteral("usr/share/applications/%1.desktop").arg(kAppId);
const QString kIconFile =
    QStringLiteral("usr/share/icons/hicolor/scalable/apps/%1.svg").arg(kAppId);
const QString kMetainfoFile = QStringLiteral("usr/share/metainfo/%1.metainfo.xml").arg(kAppId);
const QString kManPage = QStringLiteral("usr/share/man/man1/miravel.1.gz");
const QString kChangelog = QStringLiteral("usr/share/doc/miravel/changelog.gz");
const QString kCopyright = QStringLiteral("usr/share/doc/miravel/copyright");
const int kIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

QString PngIconFile(int size) {
    return QStringLiteral("usr/share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(kAppId);
}

// The [Desktop Entry] group as key -> value, localised keys ("Name[ja]") kept as they are.
QHash<QString, QString> ReadDesktopEntry(const QString& path) {
    QHash<QString, QString> entries;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return entries;
    bool inGroup = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inGroup = line == QLatin1String("[Desktop Entry]");
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (inGroup && equals > 0)
            entries.insert(line.left(equals).trimmed(), line.mid(equals + 1).trimmed());
    }
    return entries;
}

bool HasJapanese(const QString& text) {
    for (const QChar c : text)
        if ((c.unicode() >= 0x3040 && c.unicode() <= 0x30FF) ||
            (c.unicode() >= 0x4E00 && c.unicode() <= 0x9FFF))
            return true;
    return false;
}

}  // namespace

void InstallTreeTest::initTestCase() {
    QVERIFY(root_.isValid());
    QProcess install;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DESTDIR"), root_.path());
    install.setProcessEnvironment(environment);
    install.setProcessChannelMode(QProcess::MergedChannels);
    // A prefix other than the build's own, as a distribution's package uses.
    install.start(QStringLiteral(MIRAVEL_CMAKE_COMMAND),
                  {QStringLiteral("--install"), QStringLiteral(MIRAVEL_BUILD_DIR),
                   QStringLiteral("--prefix"), QStringLiteral("/usr")});
    QVERIFY(install.waitForFinished(120000));
    QVERIFY2(install.exitStatus() == QProcess::NormalExit && install.exitCode() == 0,
             install.readAll().constData());
}

void InstallTreeTest::InstalledFiles_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("executable");
    QTest::newRow("program") << QStringLiteral("usr/bin/miravel") << true;
    QTest::newRow("desktop entry") << kDesktopFile << false;
    QTest::newRow("icon") << kIconFile << false;
    QTest::newRow("metainfo") << kMetainfoFile << false;
    QTest::newRow("manual page") << kManPage << false;
    QTest::newRow("changelog") << kChangelog << false;
    QTest::newRow("copyright") << kCopyright << false;
}

void InstallTreeTest::InstalledFiles() {
    QFETCH(QString, path);
    QFETCH(bool, executable);
    const QFileInfo info(Installed(path));
    QVERIFY2(info.isFile(), qPrintable(info.filePath()));
    QVERIFY(info.size() > 0);
    QCOMPARE(info.isExecutable(), executable);
}

void InstallTreeTest::DesktopEntry_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");  // empty: any Japanese text
    QTest::newRow("name") << QStringLiteral("Name") << QStringLiteral("Miravel");
    // A file manager hands over the folders and files chosen, and offers the program for a
    // folder in its "Open with".
    QTest::newRow("program") << QStringLiteral("Exec") << QStringLiteral("miravel %F");
    QTest::newRow("opens folders")
        << QStringLiteral("MimeType") << QStringLiteral("inode/directory;");
    QTest::newRow("icon") << QStringLiteral("Icon") << kAppId;
    QTest::newRow("menu") << QStringLiteral("Categories") << QStringLiteral("Utility;FileTools;");
    // The class Qt gives the window: the application name set at start.
    QTest::newRow("window class") << QStringLiteral("StartupWMClass") << QStringLiteral("Miravel");
    QTest::newRow("Japanese generic name") << QStringLiteral("GenericName[ja]") << QString();
    QTest::newRow("Japanese comment") << QStringLiteral("Comment[ja]") << QString();
    QTest::newRow("Japanese keywords") << QStringLiteral("Keywords[ja]") << QString();
}

void InstallTreeTest::DesktopEntry() {
    QFETCH(QString, key);
    QFETCH(QString, value);
    const QHash<QString, QString> entry = ReadDesktopEntry(Installed(kDesktopFile));
    QVERIFY2(entry.contains(key), qPrintable(key));
    if (value.isEmpty())
        QVERIFY2(HasJapanese(entry.value(key)), qPrintable(entry.value(key)));
    else
        QCOMPARE(entry.value(key), value);
}

void InstallTreeTest::IconIsAnSvgDrawing() {
    QFile file(Installed(kIconFile));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    QVERIFY(xml.readNextStartElement());
    QCOMPARE(xml.name(), QStringLiteral("svg"));
    QVERIFY(!xml.attributes().value(QStringLiteral("viewBox")).isEmpty());
    int shapes = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() &&
            (xml.name() == QLatin1String("path") || xml.name() == QLatin1String("rect")))
            ++shapes;
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QVERIFY(shapes > 0);
}

void InstallTreeTest::PngIcons_data() {
    QTest::addColumn<int>("size");
    for (const int size : kIconSizes)
        QTest::addRow("%dx%d", size, size) << size;
}

// The theme's PNGs, for desktops and a Qt without an SVG reader.
void InstallTreeTest::PngIcons() {
    QFETCH(int, size);
    QImageReader reader(Installed(PngIconFile(size)));
    QCOMPARE(reader.format(), QByteArray("png"));
    QCOMPARE(reader.size(), QSize(size, size));
}

void InstallTreeTest::CompressedAsDebianWants_data() {
    QTest::addColumn<QString>("path");
    QTest::newRow("manual page") << kManPage;
    QTest::newRow("changelog") << kChangelog;
}

// gzip without the original name and time stamp, so that a rebuild makes the same package.
void InstallTreeTest::CompressedAsDebianWants() {
    QFETCH(QString, path);
    QFile file(Installed(path));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray header = file.read(10);
    QCOMPARE(header.size(), 10);
    QCOMPARE(header.left(3), QByteArray("\x1f\x8b\x08"));
    const char nameFlag = 0x08;
    QCOMPARE(header[3] & nameFlag, 0);
    QCOMPARE(header.mid(4, 4), QByteArray(4, '\0'));
}

void InstallTreeTest::DocumentsNameThisVersion_data() {
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("versionLine");
    const QString version = QStringLiteral(MIRAVEL_PROJECT_VERSION);
    QTest::newRow("changelog") << QStringLiteral("data/debian/changelog")
                               << QStringLiteral("miravel (%1) ").arg(version);
    QTest::newRow("manual page") << QStringLiteral("docs/miravel.1")
                                 << QStringLiteral("\"Miravel %1\"").arg(version);
}

// The newest entry of each is the release being built.
void InstallTreeTest::DocumentsNameThisVersion() {
    QFETCH(QString, source);
    QFETCH(QString, versionLine);
    QFile file(QStringLiteral(MIRAVEL_SOURCE_DIR "/") + source);
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    const QString firstLine = QString::fromUtf8(file.readLine());
    QVERIFY2(firstLine.contains(versionLine), qPrintable(firstLine));
}

void InstallTreeTest::MetainfoLaunchesTheDesktopEntry() {
    QFile file(Installed(kMetainfoFile));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    QString id;
    QString launchable;
    QString japaneseSummary;
    QString release;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto name = xml.name();
        if (name == QLatin1String("release"))
            release = xml.attributes().value(QStringLiteral("version")).toString();
        else if (name == QLatin1String("summary") &&
                 xml.attributes().value(QStringLiteral("xml:lang")) == QLatin1String("ja"))
            japaneseSummary = xml.readElementText();
        else if (name == QLatin1String("id"))
            id = xml.readElementText();
        else if (name == QLatin1String("launchable"))
            launchable = xml.readElementText();
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QCOMPARE(id, kAppId);
    QCOMPARE(launchable, QFileInfo(kDesktopFile).fileName());
    QVERIFY(HasJapanese(japaneseSummary));
    QCOMPARE(release, QStringLiteral(MIRAVEL_PROJECT_VERSION));
}

void InstallTreeTest::Validators_data() {
    QTest::addColumn<QString>("tool");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("file");
    QTest::newRow("desktop entry")
        << QStringLiteral("desktop-file-validate") << QStringList() << kDesktopFile;
    QTest::newRow("metainfo") << QStringLiteral("appstreamcli")
                              << QStringList{QStringLiteral("validate"), QStringLiteral("--no-net")}
                              << kMetainfoFile;
}

void InstallTreeTest::Validators() {
    QFETCH(QString, tool);
    QFETCH(QStringList, arguments);
    QFETCH(QString, file);
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty())
        QSKIP(qPrintable(tool + QStringLiteral(" is not installed")));
    QProcess validate;
    validate.setProcessChannelMode(QProcess::MergedChannels);
    validate.start(program, arguments << Installed(file));
    QVERIFY(validate.waitForFinished(60000));
    const QByteArray output = validate.readAll();
    QVERIFY2(validate.exitStatus() == QProcess::NormalExit && validate.exitCode() == 0,
             output.constData());
}

QTEST_GUILESS_MAIN(InstallTreeTest)
#include "tst_installtree.moc"
