#include "TempFolder.h"

#include <dirent.h>
#include <fcntl.h>
#include <ftw.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <algorithm>

namespace miravel::test {

TempFolder::TempFolder() {
    QVERIFY(dir_.isValid());
}

TempFolder::~TempFolder() {
    // QDir skips names it cannot decode, so everything goes with raw calls first; folders a
    // test made read-only get their permissions back on the way in.
    const QByteArray top = QFile::encodeName(path());
    auto unlock = [](const char* entry, const struct stat* st, int type, FTW*) -> int {
        if (type == FTW_D)
            ::chmod(entry, (st->st_mode & 07777) | S_IRWXU);
        return 0;
    };
    auto remove = [](const char* entry, const struct stat*, int type, FTW* where) -> int {
        if (where->level > 0)
            type == FTW_DP ? ::rmdir(entry) : ::unlink(entry);
        return 0;
    };
    ::nftw(top.constData(), unlock, 16, FTW_PHYS);
    ::nftw(top.constData(), remove, 16, FTW_DEPTH | FTW_PHYS);
}

void TempFolder::MakeFile(const QString& name, qint64 size, const QByteArray& fill) {
    MakeFileRaw(QFile::encodeName(name), size);
    if (size > 0 && size <= 4 * 1024 * 1024 && !fill.isEmpty()) {
        QFile file(FilePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QByteArray content;
        content.reserve(size);
        while (content.size() < size)
            content.append(fill);
        content.truncate(size);
        file.write(content);
    }
}

void TempFolder::MakeFileRaw(const QByteArray& name, qint64 size) {
    const QByteArray full = QFile::encodeName(path()) + "/" + name;
    const int fd = ::open(full.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    QVERIFY2(fd >= 0, full.constData());
    if (size > 0)
        QVERIFY(::ftruncate(fd, size) == 0);
    ::close(fd);
}

void TempFolder::MakeFolder(const QString& name) {
    QVERIFY(QDir(path()).mkpath(name));
}

void TempFolder::SetModified(const QString& name, const QDateTime& when) {
    QFile file(FilePath(name));
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(when, QFileDevice::FileModificationTime));
}

QByteArray TempFolder::Content(const QString& name) const {
    QFile file(FilePath(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QStringList TempFolder::Names() const {
    QStringList names = QDir(path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot |
                                               QDir::Hidden | QDir::System);
    names.sort();
    return names;
}

bool TempFolder::Exists(const QString& name) const {
    return QFileInfo::exists(FilePath(name));
}

QList<QByteArray> TempFolder::RawNames() const {
    QList<QByteArray> names;
    DIR* folder = ::opendir(QFile::encodeName(path()).constData());
    if (!folder)
        return names;
    while (const dirent* entry = ::readdir(folder)) {
        const QByteArray name(entry->d_name);
        if (name != "." && name != "..")
            names << name;
    }
    ::closedir(folder);
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace miravel::test
