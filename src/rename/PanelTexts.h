#pragma once

#include <QStringView>

// The operation panels' captions, words and accessible names.
namespace miravel::rename_texts {

// Words of the panels' sentences.
inline constexpr QStringView WordOfName = u"ファイル名の";
inline constexpr QStringView WordInName = u"ファイル名に含まれる、文字列";
inline constexpr QStringView WordTo = u"へ";
inline constexpr QStringView WordObject = u"を";
inline constexpr QStringView WordOf = u"の";
inline constexpr QStringView WordPlus = u"＋";
inline constexpr QStringView WordPlusNumber = u"＋ 数値 +";
inline constexpr QStringView WordSerialFrom = u"から始まる連番";
inline constexpr QStringView WordZeroFill = u"ゼロを埋め";
inline constexpr QStringView WordDigits = u"桁で揃えて";
inline constexpr QStringView WordExample = u"例：";

// Placements, in the order of their option buttons.
inline constexpr QStringView PlaceHead = u"先頭";
inline constexpr QStringView PlaceTail = u"後尾";
inline constexpr QStringView PlacePosition = u"指定";

// The replace panel.
inline constexpr QStringView ReplaceCaption = u"置換";
inline constexpr QStringView ReplaceWithName = u"置換後の文字列";
inline constexpr QStringView ReplaceBeforeName = u"置換前の例";
inline constexpr QStringView WordReplaced = u"置換後：";
inline constexpr QStringView ReplaceAfterName = u"置換後の例";

// The add panel.
inline constexpr QStringView AddPanelName = u"文字列を付加";
inline constexpr QStringView AddPositionName = u"指定する文字数";
inline constexpr QStringView AddTextName = u"付加する文字列";
inline constexpr QStringView AddCaption = u"付加";
inline constexpr QStringView AddBeforeName = u"付加前の例";
inline constexpr QStringView WordAdded = u"付加後：";
inline constexpr QStringView AddAfterName = u"付加後の例";

// The serial panel.
inline constexpr QStringView SerialPanelName = u"連番を付加";
inline constexpr QStringView SerialDigitsName = u"ゼロ埋めの桁数";
inline constexpr QStringView SerialPositionName = u"付加する位置（文字数）";
inline constexpr QStringView TextBeforeNumberName = u"番号の前の文字列";
inline constexpr QStringView TextAfterNumberName = u"番号の後の文字列";
inline constexpr QStringView SerialStartName = u"開始番号";
inline constexpr QStringView ExampleName = u"例";

// The texts around a number as the form has them, and their width samples.
inline constexpr QStringView MarkerStartDefault = u"[第";
inline constexpr QStringView MarkerEndDefault = u"話]";
inline constexpr QStringView MarkerStartWidth = u"[第第第";
inline constexpr QStringView MarkerEndWidth = u"話話話]";
// The least room an example keeps: about one name and the mark that more follow.
inline constexpr QStringView ExampleWidthSample = u"資料A.txt, …";

// The delete panel.
inline constexpr QStringView DeletePanelName = u"番号付き文字列を削除";
inline constexpr QStringView DeleteStringsAndNumber = u"文字列と数字";
inline constexpr QStringView DeleteNumberOnly = u"数字";
inline constexpr QStringView DeleteCaption = u"削除";
inline constexpr QStringView DeleteAfterName = u"削除後の例";
inline constexpr QStringView WordDeleted = u"削除後：";

}  // namespace miravel::rename_texts
