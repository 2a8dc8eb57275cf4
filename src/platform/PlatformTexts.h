#pragma once

#include <QStringView>

// Refusals of the rename adapter that come before any system call, and the ones the system
// has no words for.
namespace miravel::platform_texts {

inline constexpr QStringView EmptyFileName = u"ファイル名が空です。";
inline constexpr QStringView DotFileName = u"「.」と「..」はファイル名に使えません。";
inline constexpr QStringView SeparatorInFileName = u"ファイル名に「/」やヌル文字は使えません。";
// %1: the system's description of the failed hard link.
inline constexpr QStringView NoSafeRename =
    u"このファイルシステムでは、既存のファイルを上書きしない名前の変更ができないため、"
    u"名前を変更しませんでした。（%1）";
// The file system can make hard links but numbers the names of a file, not the file, and the
// old name could not be shown to lead to the renamed file still.
inline constexpr QStringView OldNameKept =
    u"新しい名前を付けましたが、元の名前が同じファイルを指したままか確かめられないため、"
    u"元の名前を消さずに残しました。両方の名前のファイルを確かめてください。";
// %1: the system's description of the failed step; %2: the temporary name left behind.
inline constexpr QStringView LeftUnderTemporaryName =
    u"%1\r\n名前を元に戻せなかったため、ファイルは一時的な名前「%2」のままです。";

}  // namespace miravel::platform_texts
