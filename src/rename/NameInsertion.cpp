#include "rename/NameInsertion.h"

#include "rename/NameSplit.h"
#include "rename/TextJoin.h"

namespace miravel {

qsizetype InsertionPoint(QStringView text, qsizetype position) {
    if (position <= 0)
        return 0;
    if (position >= text.size())
        return text.size();
    if (text[position - 1].isHighSurrogate() && text[position].isLowSurrogate())
        return position + 1;
    return position;
}

QString InsertIntoBase(QStringView base, QStringView block, Placement placement,
                       qsizetype position) {
    switch (placement) {
        case Placement::Head:
            return JoinTexts({block, base});
        case Placement::Tail:
            return JoinTexts({base, block});
        case Placement::Position: {
            const qsizetype at = InsertionPoint(base, position);
            return JoinTexts({base.left(at), block, base.mid(at)});
        }
    }
    return base.toString();
}

QString InsertIntoName(QStringView name, QStringView block, Placement placement,
                       qsizetype position) {
    if (placement == Placement::Head)
        return JoinTexts({block, name});
    const NameParts parts = SplitFileName(name);
    return JoinBaseAndExtension(InsertIntoBase(parts.base, block, placement, position), parts);
}

}  // namespace miravel
