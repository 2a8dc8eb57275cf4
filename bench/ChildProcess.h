#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace miravel::bench {

// Starts this program again with the arguments and returns what it printed, or nothing when
// it failed.
std::optional<QString> RunChild(const QString& program, const QStringList& arguments);

}  // namespace miravel::bench
