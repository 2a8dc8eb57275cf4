#include "SampleFolder.h"

#include "Benches.h"

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace miravel::bench {

QString SampleFolder::SampleName(int index) {
    static const char16_t* const kExtensions[] = {u".jpg", u".JPG",  u".png", u".txt", u".log",
                                                  u".mp4", u".jpeg", u".pdf", u"",     u".tar.gz"};
    QString stem;
    switch (index % 8) {
        case 0:
            stem = QStringLiteral("IMG_%1").arg(index, 6, 10, QLatin1Char('0'));
            break;
        case 1:
            stem = QStringLiteral("写真_%1").arg(index);
            break;
        case 2:
            stem = QStringLiteral("Café Menü %1").arg(index);
            break;
        case 3:
            stem = QStringLiteral("report-%1-FINAL").arg(index);
            break;
        case 4:
            stem = QStringLiteral("データ%1").arg(index, 5, 10, QLatin1Char('0'));
            break;
        case 5:
            stem = QStringLiteral("résumé_%1").arg(index);
            break;
        case 6:
            stem = QStringLiteral("Track %1 (live)").arg(index);
            break;
        default:
            stem = QStringLiteral("ｶﾀｶﾅ第%1話").arg(index);
            break;
    }
    // Extensions run across the stems rather than along them.
    return stem + QString::fromUtf16(kExtensions[(index * 7 / 3) % 10]);
}

SampleFolder::SampleFolder(const QString& base, int n) {
    QByteArray pattern = EncodeFileName(base) + "/miravel-bench-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) {
        std::perror("mkdtemp");
        return;
    }
    path_ = pattern;
    const int folderFd = ::open(path_.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd < 0)
        return;
    names_.reserve(size_t(n));
    ok_ = true;
    for (int i = 0; i < n; ++i) {
        QByteArray name = SampleName(i).toUtf8();
        const int fd =
            ::openat(folderFd, name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd < 0) {
            std::perror("openat");
            ok_ = false;
            break;
        }
        if (i % 10 == 0) {
            // Mostly small, every thousandth one larger, so the size column's width varies.
            const off_t size = i % 1000 == 0 ? off_t(300000 + i) : off_t(1 + (i * 7919L) % 4000);
            if (::ftruncate(fd, size) != 0)
                ok_ = false;
        }
        ::close(fd);
        names_.push_back(std::move(name));
    }
    ::close(folderFd);
}

SampleFolder::~SampleFolder() {
    if (!path_.isEmpty())
        RemoveFolder(path_);
}

const SampleFolder* SampleFolders::Get(int n) {
    std::unique_ptr<SampleFolder>& folder = folders_[n];
    if (!folder) {
        Progress(QStringLiteral("making %1 files").arg(n));
        folder = std::make_unique<SampleFolder>(base_, n);
    }
    return folder->ok() ? folder.get() : nullptr;
}

void RemoveFolder(const QByteArray& path) {
    // Entries removed while the folder is read may hide others from that pass; a few passes
    // leave it empty.
    for (int pass = 0; pass < 3; ++pass) {
        const int folderFd = ::open(path.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (folderFd < 0)
            return;
        DIR* dir = ::fdopendir(folderFd);
        if (dir == nullptr) {
            ::close(folderFd);
            return;
        }
        int removed = 0;
        while (const dirent* entry = ::readdir(dir)) {
            if (std::strcmp(entry->d_name, ".") == 0 || std::strcmp(entry->d_name, "..") == 0)
                continue;
            if (::unlinkat(folderFd, entry->d_name, 0) == 0)
                ++removed;
        }
        ::closedir(dir);
        if (::rmdir(path.constData()) == 0 || removed == 0)
            return;
    }
}

}  // namespace miravel::bench
