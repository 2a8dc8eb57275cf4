#pragma once

#include <QString>
#include <QStringView>

namespace miravel {

// A name cut at its last ASCII "." (U+FF0E does not count): a.b.c -> a.b + c,
// readme -> readme + "", .profile -> "" + profile.
struct NameParts {
    QString base;
    QString extension;
    bool hasDot = false;  // tells "readme." (kept as it was) from "readme"
};

NameParts SplitFileName(QStringView name);

// The name again with a new base. The "." comes back only where the old name had one, so a
// name without a dot never gains a final one (readme + "_v2" -> readme_v2).
QString JoinBaseAndExtension(QStringView base, const NameParts& parts);

}  // namespace miravel
