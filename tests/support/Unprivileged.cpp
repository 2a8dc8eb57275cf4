#include "Unprivileged.h"

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>
#include <cerrno>

namespace miravel::test {

namespace {

constexpr uid_t kNobody = 65534;

void WriteAll(int fd, const QByteArray& bytes) {
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t wrote =
            ::write(fd, bytes.constData() + done, std::size_t(bytes.size() - done));
        if (wrote < 0 && errno == EINTR)
            continue;
        if (wrote <= 0)
            return;
        done += wrote;
    }
}

QByteArray ReadAll(int fd) {
    QByteArray bytes;
    char buffer[512];
    for (ssize_t got; (got = ::read(fd, buffer, sizeof buffer)) != 0;) {
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            break;
        bytes.append(buffer, got);
    }
    return bytes;
}

}  // namespace

std::optional<QByteArray> RunAsNobody(const std::function<QByteArray()>& work) {
    if (::geteuid() != 0)
        return work();
    int channel[2];
    if (::pipe(channel) != 0)
        return std::nullopt;
    const pid_t child = ::fork();
    if (child < 0) {
        ::close(channel[0]);
        ::close(channel[1]);
        return std::nullopt;
    }
    if (child == 0) {
        ::close(channel[0]);
        // The first byte says whether the drop worked; the report follows it.
        if (::setgroups(0, nullptr) == 0 && ::setgid(kNobody) == 0 && ::setuid(kNobody) == 0)
            WriteAll(channel[1], '+' + work());
        else
            WriteAll(channel[1], "-");
        ::_exit(0);
    }
    ::close(channel[1]);
    const QByteArray report = ReadAll(channel[0]);
    ::close(channel[0]);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (report == "-")
        return std::nullopt;
    // A child that died is a failure of the work, never a reason to skip it.
    if (!report.startsWith('+') || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return QByteArray("the unprivileged child ended abnormally");
    return report.mid(1);
}

}  // namespace miravel::test
