#include "platform/DriveRoots.h"

#include <fcntl.h>
#include <pwd.h>
#include <unistd.h>
#include <QList>
#include <cerrno>

#include "platform/FileNameCodec.h"
#include "platform/FileSystem.h"
#include "platform/UniqueFd.h"

namespace miravel {

namespace {

struct Mount {
    QString point;
    QByteArray type;
};

bool IsPseudoFileSystem(QByteArrayView type) {
    static const QByteArrayView kPseudo[] = {
        "autofs",     "binfmt_misc", "bpf",      "cgroup",   "cgroup2", "configfs",
        "debugfs",    "devpts",      "devtmpfs", "efivarfs", "fusectl", "hugetlbfs",
        "mqueue",     "nsfs",        "proc",     "pstore",   "ramfs",   "rpc_pipefs",
        "securityfs", "selinuxfs",   "sysfs",    "tmpfs",    "tracefs", "fuse.gvfsd-fuse",
        "fuse.portal"};
    for (QByteArrayView pseudo : kPseudo)
        if (type == pseudo)
            return true;
    return false;
}

// Mount points escape blanks and backslashes as three octal digits ("\040").
QByteArray Unescape(QByteArrayView field) {
    QByteArray out;
    out.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        const char c = field[i];
        if (c == '\\' && i + 3 < field.size() && field[i + 1] >= '0' && field[i + 1] <= '3' &&
            field[i + 2] >= '0' && field[i + 2] <= '7' && field[i + 3] >= '0' &&
            field[i + 3] <= '7') {
            out.append(char(((field[i + 1] - '0') << 6) | ((field[i + 2] - '0') << 3) |
                            (field[i + 3] - '0')));
            i += 3;
        } else {
            out.append(c);
        }
    }
    return out;
}

// Splits at the separator, dropping empty pieces.
QList<QByteArrayView> Split(QByteArrayView text, char separator) {
    QList<QByteArrayView> pieces;
    qsizetype start = 0;
    while (start <= text.size()) {
        qsizetype end = text.indexOf(separator, start);
        if (end < 0)
            end = text.size();
        if (end > start)
            pieces.append(text.sliced(start, end - start));
        start = end + 1;
    }
    return pieces;
}

QList<Mount> ParseMountInfo(QByteArrayView text) {
    QList<Mount> mounts;
    for (QByteArrayView line : Split(text, '\n')) {
        const QList<QByteArrayView> fields = Split(line, ' ');
        // id parent major:minor root mount-point options [optional...] - type source ...
        const qsizetype separator = fields.indexOf(QByteArrayView("-"), 6);
        if (fields.size() < 5 || separator < 0 || separator + 1 >= fields.size())
            continue;
        mounts.append({DecodeFileName(Unescape(fields[4])), fields[separator + 1].toByteArray()});
    }
    return mounts;
}

bool IsUnder(const QString& path, const QString& folder) {
    return path == folder || path.startsWith(FolderPrefix(folder));
}

QString HomeFolder() {
    const QString fromEnvironment = qEnvironmentVariable("HOME");
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    if (const passwd* entry = ::getpwuid(::geteuid()); entry && entry->pw_dir && *entry->pw_dir)
        return DecodeFileName(entry->pw_dir);
    return {};
}

QByteArray ReadWholeFile(const char* path) {
    QByteArray content;
    UniqueFd fd(::open(path, O_RDONLY | O_CLOEXEC));
    if (!fd.valid())
        return content;
    char buffer[16384];
    for (;;) {
        const ssize_t got = ::read(fd.get(), buffer, sizeof buffer);
        if (got > 0) {
            content.append(buffer, got);
        } else if (got == 0 || errno != EINTR) {
            return content;
        }
    }
}

}  // namespace

QStringList DriveRootsFromMountInfo(QByteArrayView mountInfo, const QString& home) {
    QString homeFolder = home;
    while (homeFolder.size() > 1 && homeFolder.endsWith(u'/'))
        homeFolder.chop(1);
    QStringList roots{QStringLiteral("/")};
    const QList<Mount> mounts = ParseMountInfo(mountInfo);
    QString homeVolume;
    for (const Mount& mount : mounts) {
        if (IsPseudoFileSystem(mount.type) || !mount.point.startsWith(u'/'))
            continue;
        if (!homeFolder.isEmpty() && IsUnder(homeFolder, mount.point) &&
            mount.point.size() > homeVolume.size())
            homeVolume = mount.point;
        if (IsUnder(mount.point, QStringLiteral("/media")) ||
            IsUnder(mount.point, QStringLiteral("/mnt")) ||
            IsUnder(mount.point, QStringLiteral("/run/media")))
            roots.append(mount.point);
    }
    if (!homeVolume.isEmpty())
        roots.append(homeVolume);
    if (homeFolder.startsWith(u'/'))
        roots.append(homeFolder);
    roots.sort();
    roots.removeDuplicates();
    return roots;
}

QStringList FileSystem::DriveRoots() const {
    QStringList roots =
        DriveRootsFromMountInfo(ReadWholeFile("/proc/self/mountinfo"), HomeFolder());
    roots.removeIf([this](const QString& root) { return !FolderExists(root); });
    if (roots.isEmpty())
        roots.append(QStringLiteral("/"));
    return roots;
}

int RootIndexFor(const QStringList& roots, const QString& folder) {
    int best = -1;
    qsizetype bestLength = -1;
    for (int i = 0; i < roots.size(); ++i) {
        const bool contains = roots[i] == folder || folder.startsWith(FolderPrefix(roots[i]));
        if (contains && roots[i].size() > bestLength) {
            best = i;
            bestLength = roots[i].size();
        }
    }
    return best;
}

}  // namespace miravel
