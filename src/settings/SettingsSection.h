#pragma once

#include <QString>

namespace miravel {

// Whether two login names differing only in letter case are the same user.
enum class LoginNameCase { Significant, Ignored };

// The settings section that belongs to a login name. NULs are dropped; every other character
// that could not stand in a section header as it is ("%", "[", "]", control characters, blanks
// at either end, lone surrogates) is written as "%XX" per UTF-8 byte ("%uXXXX" for a lone
// surrogate). Since section names compare case-insensitively, cased letters are escaped too
// where login names are case-sensitive. Different users therefore never share a section, and
// plain lower-case names stay as they are.
QString SettingsSectionName(const QString& loginName, LoginNameCase loginCase);

// The same with this platform's rule for login names.
QString SettingsSectionName(const QString& loginName);

// The section of the user running the program. Without a login name the numeric user id
// stands in, written as "%uid" and the number: no login name's section looks like that, since
// a "%" of a name is always followed by hex digits, so users without names share nothing with
// anyone.
QString SettingsSectionForUser(const QString& loginName, quint32 userId);

}  // namespace miravel
