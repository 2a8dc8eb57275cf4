#include "platform/LoginName.h"

#include <pwd.h>
#include <unistd.h>
#include <vector>

namespace miravel {

QString CurrentLoginName() {
    QString name;
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::geteuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found &&
        found->pw_name && *found->pw_name)
        name = QString::fromLocal8Bit(found->pw_name);
    if (name.isEmpty())
        name = qEnvironmentVariable("USER");
    if (name.isEmpty())
        name = qEnvironmentVariable("LOGNAME");
    // The name becomes an INI section header; a NUL there would cut the file's text short.
    name.remove(QChar(0));
    return name;
}

quint32 CurrentUserId() {
    return static_cast<quint32>(::geteuid());
}

}  // namespace miravel
