#pragma once

#include <QStringView>

// The rename room's own texts, shared by the code and its tests.
namespace miravel::rename_texts {

inline constexpr QStringView EnterString = u"文字列を入力して下さい。";
inline constexpr QStringView EnterNumber = u"数字を入力して下さい。";
inline constexpr QStringView EnterZeroOrMore = u"0以上の数字を入力して下さい。";
inline constexpr QStringView EnterEitherString = u"どちらか一方には、文字列を入力して下さい。";
inline constexpr QStringView NumberNotAllowed = u"数値は入力できません。";
inline constexpr QStringView ForbiddenChars =
    u"ファイル名には次の文字は使えません。\r\n"
    u"\\\u3000/\u3000,\u3000;\u3000:\u3000*\u3000?\u3000\"\u3000<\u3000>\u3000|";

// The replace and add confirmations carry an ASCII space after "。"; the other two do not.
inline constexpr QStringView ConfirmReplace = u"置換を開始します。 本当にいいですか？";
inline constexpr QStringView ConfirmAdd = u"付加を開始します。 本当にいいですか？";
inline constexpr QStringView ConfirmSerial =
    u"付加を開始します。本当にいいですか？\r\n\r\nゼロ埋めの桁数はあってますか？";
inline constexpr QStringView ConfirmDelete = u"削除を開始します。本当にいいですか？";

// Editing a name in the table.
inline constexpr QStringView EnterFileName = u"ファイル名を入力してください。";
inline constexpr QStringView FileNameExists =
    u"指定されたファイル名は既に存在します。別の名前を指定してください。";
inline constexpr QStringView RenameErrorTitle = u"名前の変更エラー";
// The table refuses a name that another of its rows already has.
inline constexpr QStringView RowNameInUse = u"同じ名前の行が一覧に既にあります。";

// Examples as the panels show them before their first rebuild.
inline constexpr QStringView ReplaceBeforeInitial = u"sample開発資料.txt, sample請求書.txt, …";
inline constexpr QStringView PlainSamples = u"開発資料.txt, 請求書.txt, …";
inline constexpr QStringView SerialSamples = u"資料A.txt, 資料B.txt, 資料C.txt, …";
inline constexpr QStringView SerialPreviewInitial = u"[1] , [2] , [3] , …";
inline constexpr QStringView DeleteBeforeInitial = u"[第9話]基本設計.txt, [第10話]詳細設計.txt, …";
inline constexpr QStringView DeleteAfterInitial = u"基本設計.txt, 詳細設計.txt, …";

// The plan behind a batch confirmation, and taking renames back.
inline constexpr QStringView PlanCounts = u"%1件の名前を変更します（失敗の見込み %2件%3）";
inline constexpr QStringView PlanUnchanged = u"、変更なし %1件";
inline constexpr QStringView PlanRenameLine = u"%1 → %2";
inline constexpr QStringView PlanFailureLine = u"× %1 → %2（%3）";
inline constexpr QStringView PlanUnchangedLine = u"＝ %1（変更なし）";
inline constexpr QStringView PlanUnusableName = u"ファイル名に使えない名前です";
inline constexpr QStringView PlanMissing = u"ファイルが見つかりません";
inline constexpr QStringView PlanNameTooLong = u"ファイル名が長すぎます";
inline constexpr QStringView PlanNameTaken = u"同じ名前のファイルが既にあります";
inline constexpr QStringView PlanNameTakenUntilLater =
    u"同じ名前のファイルの変更がこの後の行にあります";
inline constexpr QStringView PlanSameAsEarlierRow = u"前の行と同じ名前になります";
inline constexpr QStringView UndoCaption = u"元に戻す";
// %1: the file's name now, or the folder.
inline constexpr QStringView UndoOtherFile =
    u"「%1」は名前を変更した後に置き換えられたか書き換えられたため、元に戻しませんでした。";
inline constexpr QStringView UndoOtherFolder =
    u"フォルダ「%1」は名前を変更したときのフォルダではなくなったため、元に戻しませんでした。";

}  // namespace miravel::rename_texts
