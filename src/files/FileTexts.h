#pragma once

#include <QString>

namespace miravel::texts {

inline QString ClearCaption() {
    return QStringLiteral("ｸﾘｱ");
}
inline QString PatternLabel() {
    return QStringLiteral("検索文字");
}
inline QString DefaultPattern() {
    return QStringLiteral("*.*");
}
inline QString SelectAllCaption() {
    return QStringLiteral("全選択");
}
inline QString TypeLabel() {
    return QStringLiteral("種類");
}
inline QString CreatedLabel() {
    return QStringLiteral("作成日");
}
inline QString ModifiedLabel() {
    return QStringLiteral("更新日");
}
// Around a date range: its start, its end, and between the two boxes.
inline QString RangeFrom() {
    return QStringLiteral("から");
}
inline QString RangeTo() {
    return QStringLiteral("まで");
}
inline QString RangeSeparator() {
    return QStringLiteral("～");
}
inline QString RemoveFromListCaption() {
    return QStringLiteral("リストから削除(ファイルは削除されません)");
}
inline QString MenuCaption() {
    return QStringLiteral("メニュー");
}

// Status panel 3 after a folder change or select-all.
inline QString FolderSelectionText(const QString& folder) {
    return QStringLiteral("「") + folder + QStringLiteral("」の選択したファイル");
}
// Status panel 3 for two or more selected rows.
inline QString FolderInnerSelectionText(const QString& folder) {
    return QStringLiteral("「") + folder + QStringLiteral("」内の選択したファイル");
}

}  // namespace miravel::texts
