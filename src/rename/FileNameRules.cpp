#include "rename/FileNameRules.h"

#include "platform/PlatformTexts.h"

namespace miravel {

bool CheckFileNameChars(QStringView text) {
    for (const char16_t c : ForbiddenNameChars)
        if (text.contains(QChar(c)))
            return false;
    return true;
}

std::optional<QString> BareNameProblem(QStringView name) {
    if (name.isEmpty())
        return platform_texts::EmptyFileName.toString();
    if (name == u"." || name == u"..")
        return platform_texts::DotFileName.toString();
    if (name.contains(u'/') || name.contains(QChar(u'\0')))
        return platform_texts::SeparatorInFileName.toString();
    return std::nullopt;
}

bool IsSafeBareName(QStringView name) {
    return !BareNameProblem(name).has_value();
}

}  // namespace miravel
