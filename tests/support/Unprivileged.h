#pragma once

#include <QByteArray>
#include <functional>
#include <optional>

namespace miravel::test {

// Runs `work` in a child process as the unprivileged user "nobody" and returns what it
// reported, or nothing when this machine cannot drop to that user (a child that dies reports
// so instead). When the tests do not run
// as root, `work` runs here directly. Root ignores permission bits, so permission faults are
// only real for another user.
std::optional<QByteArray> RunAsNobody(const std::function<QByteArray()>& work);

}  // namespace miravel::test
