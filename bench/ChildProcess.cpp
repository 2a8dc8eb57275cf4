#include "ChildProcess.h"

#include <QFile>
#include <QProcess>

#include "Benches.h"

namespace miravel::bench {

std::optional<QString> RunChild(const QString& program, const QStringList& arguments) {
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(program, arguments);
    if (!child.waitForFinished(120000) || child.exitStatus() != QProcess::NormalExit ||
        child.exitCode() != 0) {
        Progress(QStringLiteral("child %1 failed").arg(arguments.join(u' ')));
        return std::nullopt;
    }
    return QString::fromUtf8(child.readAllStandardOutput());
}

qint64 StatusBytes(const char* field) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray prefix = QByteArray(field) + ':';
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed().split(' ').value(0).toLongLong() * 1024;
    }
    return 0;
}

}  // namespace miravel::bench
