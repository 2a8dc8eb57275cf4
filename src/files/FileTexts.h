#pragma once

#include <QString>
#include <QStringView>

// The files room's texts, shared by the code and its tests.
namespace miravel::files_texts {

inline constexpr QStringView ClearCaption = u"ｸﾘｱ";
inline constexpr QStringView PatternLabel = u"検索文字";
inline constexpr QStringView DefaultPattern = u"*.*";
inline constexpr QStringView TypeLabel = u"種類";
inline constexpr QStringView CreatedLabel = u"作成日";
inline constexpr QStringView ModifiedLabel = u"更新日";
// Around a date range: its start, its end, and between the two boxes.
inline constexpr QStringView RangeFrom = u"から";
inline constexpr QStringView RangeTo = u"まで";
inline constexpr QStringView RangeSeparator = u"～";

// The file table and its row menu.
inline constexpr QStringView TableName = u"ファイル一覧";
inline constexpr QStringView ColumnCaptions[] = {u"名前",   u"サイズ", u"種類",
                                                 u"作成日", u"更新日", u"No"};
// The least a name column keeps when the other columns take the whole width.
inline constexpr QStringView NameWidthSample = u"[第01話]資料.txt";
inline constexpr QStringView PreviewCaption = u"変換後";
inline constexpr QStringView MenuCaption = u"メニュー";
inline constexpr QStringView RemoveFromListCaption = u"リストから削除(ファイルは削除されません)";

// Status panel 3 after a folder change or select-all, and for two or more selected rows.
inline constexpr QStringView FolderSelection = u"「%1」の選択したファイル";
inline constexpr QStringView FolderInnerSelection = u"「%1」内の選択したファイル";
inline QString FolderSelectionText(const QString& folder) {
    return FolderSelection.toString().arg(folder);
}
inline QString FolderInnerSelectionText(const QString& folder) {
    return FolderInnerSelection.toString().arg(folder);
}

}  // namespace miravel::files_texts
