#pragma once

#include <QString>
#include <QStringView>
#include <array>
#include <optional>

namespace miravel {

// Characters refused in any text the user inserts into names, in the order of the check and of
// the message. Comma and semicolon are refused too; full-width forms are not these characters.
inline constexpr std::array<char16_t, 11> ForbiddenNameChars = {u'\\', u'/', u',', u';', u':', u'*',
                                                                u'?',  u'"', u'<', u'>', u'|'};

// True when none of ForbiddenNameChars occurs in the text; the empty text passes.
bool CheckFileNameChars(QStringView text);

// A name that can be handed to a rename in one folder without leaving it: not empty, not "."
// or "..", no "/" and no NUL.
bool IsSafeBareName(QStringView name);
// Why the name is not a safe bare name, as the text of an error box; nothing when it is.
std::optional<QString> BareNameProblem(QStringView name);

}  // namespace miravel
