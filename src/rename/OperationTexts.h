#pragma once

#include <QStringView>

// Texts of the pattern replace, the conversions and the date tokens, shared by the code and its
// tests (the first four operations keep theirs in RenameTexts.h).
namespace miravel::rename_texts {

// Patterns in the replace panel.
inline constexpr QStringView RegexCaption = u"正規表現";
inline constexpr QStringView ReplaceAllCaption = u"すべて置換";
// %1: the position in characters from 1, %2: the library's description of the fault.
inline constexpr QStringView RegexInvalid = u"正規表現が正しくありません（%1文字目）。\r\n%2";
// %1: the group number the replacement names.
inline constexpr QStringView RegexNoGroup =
    u"置換後の文字列の \\%1 に当たるグループが正規表現にありません。";

// The conversion panel, its choices in the order of their option buttons.
inline constexpr QStringView ConvertTab = u"変換";
inline constexpr QStringView ConvertLower = u"小文字にする";
inline constexpr QStringView ConvertUpper = u"大文字にする";
inline constexpr QStringView ConvertWordHeads = u"単語の先頭を大文字にする";
inline constexpr QStringView ConvertFullWidthToHalf = u"全角英数記号を半角にする";
inline constexpr QStringView ConvertHalfKanaToFull = u"半角カタカナを全角にする";
inline constexpr QStringView ScopeBaseOnly = u"名前のみ";
inline constexpr QStringView ScopeWholeName = u"拡張子を含む";
inline constexpr QStringView ConvertRun = u"変換";
inline constexpr QStringView ConvertPanelName = u"大文字小文字と文字幅を変換";
inline constexpr QStringView ConversionsName = u"変換の種類";
inline constexpr QStringView ScopeName = u"変換する範囲";
inline constexpr QStringView ConvertBeforeName = u"変換前の例";
inline constexpr QStringView WordConverted = u"変換後：";
inline constexpr QStringView ConvertAfterName = u"変換後の例";
inline constexpr QStringView ConfirmConvert = u"変換を開始します。本当にいいですか？";

// Date tokens in the text to add.
inline constexpr QStringView TokenCreated = u"作成日";
inline constexpr QStringView TokenModified = u"更新日";
inline constexpr QStringView TokenTaken = u"撮影日";
// The button beside the text to add whose menu inserts the tokens.
inline constexpr QStringView TokenButton = u"日付";
inline constexpr QStringView TokenButtonName = u"日付を挿入";
// %1: the format as typed.
inline constexpr QStringView DateFormatRefused =
    u"日付の書式「%1」には使えない英字があります。\r\n"
    u"使える書式：yyyy yy MM M dd d HH H mm m ss s";
// Why a row is left out when its file carries no date taken.
inline constexpr QStringView NoDateTaken = u"撮影日がありません";

}  // namespace miravel::rename_texts
