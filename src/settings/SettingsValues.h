#pragma once

#include <QString>
#include <array>

namespace miravel {

// What is remembered from one run to the next: the folder shown last, the texts of seven
// operation fields and the replace panel's two check boxes ("1" on, "0" off; files written
// before the boxes existed leave them off).
struct SettingsValues {
    QString folder;                            // PATH
    QString replaceFind;                       // REPLACE_F, Text1
    QString replaceWith;                       // REPLACE_R, Text2
    QString addText;                           // ADDT, Text3
    QString serialBefore;                      // BRACKET1, Text4
    QString serialAfter;                       // BRACKET2, Text6
    QString deleteStart;                       // BRACKET7, Text7
    QString deleteEnd;                         // BRACKET8, Text8
    QString regex = QStringLiteral("0");       // REGEX, chkRegex
    QString replaceAll = QStringLiteral("0");  // REPLACE_ALL, chkReplaceAll

    bool operator==(const SettingsValues&) const = default;
};

// The keys in the order in which they are read and written.
inline constexpr std::array<const char*, 10> kSettingsKeys = {
    "PATH",     "REPLACE_F", "REPLACE_R", "ADDT",  "BRACKET1",
    "BRACKET2", "BRACKET7",  "BRACKET8",  "REGEX", "REPLACE_ALL"};

// The member behind each key, in the order of kSettingsKeys.
inline constexpr std::array<QString SettingsValues::*, 10> kSettingsMembers = {
    &SettingsValues::folder,      &SettingsValues::replaceFind,  &SettingsValues::replaceWith,
    &SettingsValues::addText,     &SettingsValues::serialBefore, &SettingsValues::serialAfter,
    &SettingsValues::deleteStart, &SettingsValues::deleteEnd,    &SettingsValues::regex,
    &SettingsValues::replaceAll};

inline constexpr char kSettingsFileName[] = "rename.ini";

}  // namespace miravel
