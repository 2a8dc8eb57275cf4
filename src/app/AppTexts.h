#pragma once

#include <QString>
#include <QStringView>

#include "rename/BatchRename.h"

// The window's own texts, shared by the code and its tests.
namespace miravel::app_texts {

// The guide of the four steps; the gaps are ideographic spaces.
inline constexpr QStringView Guide =
    u"①フォルダ選択　②条件設定　③並び替え、削除、選択　④置換、付加等を実行";
inline constexpr QStringView TabCaptions[] = {u"置換", u"付加", u"連番付加", u"番号削除", u"変換"};
inline constexpr QStringView DriveLabel = u"ドライブ";
inline constexpr QStringView FolderLabel = u"フォルダ";
inline constexpr QStringView OperationsLabel = u"操作";
inline constexpr QStringView SelectAllCaption = u"全選択";

// The status bar's message for a few seconds after a run; the failures only when there are any.
inline constexpr QStringView RunRenamed = u"%1件の名前を変更しました";
inline constexpr QStringView RunFailed = u"（失敗 %1件）";
inline QString RunFinishedText(qsizetype renamed, qsizetype failed) {
    QString text = RunRenamed.toString().arg(renamed);
    if (failed > 0)
        text += RunFailed.toString().arg(failed);
    return text;
}

// Status panel 4 while the preview column holds a plan: the renames and the expected failures.
inline constexpr QStringView PlanCounts = u"変更 %1件・失敗の見込み %2件";
inline QString PlanCountsText(const BatchRun& run) {
    if (run.problem || run.plan.selectedCount == 0)
        return {};
    return PlanCounts.toString().arg(run.plan.changes - run.plan.failures).arg(run.plan.failures);
}

}  // namespace miravel::app_texts
