#include "rename/FileNameRules.h"

#include "rename/RenameTexts.h"

namespace miravel {

bool CheckFileNameChars(QStringView text) {
    for (const char16_t c : ForbiddenNameChars)
        if (text.contains(QChar(c)))
            return false;
    return true;
}

std::optional<QString> BareNameProblem(QStringView name) {
    if (name.isEmpty())
        return rename_texts::NewNameEmpty.toString();
    if (name == u"." || name == u"..")
        return rename_texts::NewNameDots.toString();
    if (name.contains(u'/') || name.contains(QChar(u'\0')))
        return rename_texts::NewNameBadChar.toString();
    return std::nullopt;
}

bool IsSafeBareName(QStringView name) {
    return !BareNameProblem(name).has_value();
}

}  // namespace miravel
