#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace miravel::bench {

// Starts this program again with the arguments and returns what it printed, or nothing when
// it failed.
std::optional<QString> RunChild(const QString& program, const QStringList& arguments);

// A field of /proc/self/status in bytes ("VmRSS", "VmHWM"), 0 when unknown: what a child
// measures of its own memory.
qint64 StatusBytes(const char* field);

}  // namespace miravel::bench
