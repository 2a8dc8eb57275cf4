#pragma once

#include <QString>

namespace miravel::texts {

// The guide of the four steps; the gaps are ideographic spaces.
inline QString GuideText() {
    return QStringLiteral("①フォルダ選択　②条件設定　③並び替え、削除、選択　④置換、付加等を実行");
}
inline QString DriveLabel() {
    return QStringLiteral("ドライブ");
}
inline QString FolderLabel() {
    return QStringLiteral("フォルダ");
}
inline QString OperationsLabel() {
    return QStringLiteral("操作");
}
// The status bar's message for a few seconds after a run.
inline QString RunFinishedText(qsizetype renamed, qsizetype failed) {
    QString text = QStringLiteral("%1件の名前を変更しました").arg(renamed);
    if (failed > 0)
        text += QStringLiteral("（失敗 %1件）").arg(failed);
    return text;
}
inline QString TabCaption(int tab) {
    static const char16_t* const kCaptions[] = {u"置換", u"付加", u"連番付加", u"番号削除"};
    return QString::fromUtf16(kCaptions[tab]);
}

}  // namespace miravel::texts
