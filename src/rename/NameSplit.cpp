#include "rename/NameSplit.h"

#include "rename/TextJoin.h"

namespace miravel {

NameParts SplitFileName(QStringView name) {
    const qsizetype dot = name.lastIndexOf(u'.');
    if (dot < 0)
        return {name.toString(), {}, false};
    return {name.left(dot).toString(), name.mid(dot + 1).toString(), true};
}

QString JoinBaseAndExtension(QStringView base, const NameParts& parts) {
    if (!parts.hasDot)
        return base.toString();
    return JoinTexts({base, u".", parts.extension});
}

}  // namespace miravel
