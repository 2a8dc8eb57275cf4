#include "ChildProcess.h"

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

}  // namespace miravel::bench
