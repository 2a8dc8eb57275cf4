#pragma once

#include <QString>

namespace miravel::texts {

// The guide of the four steps; the gaps are ideographic spaces.
inline QString GuideText() {
    return QStringLiteral("①フォルダ選択　②条件設定　③並び替え、削除、選択　④置換、付加等を実行");
}
inline constexpr int kTabCount = 5;
inline QString TabCaption(int tab) {
    static const char16_t* const kCaptions[] = {u"置換", u"付加", u"連番付加", u"番号削除",
                                                u"変換"};
    return QString::fromUtf16(kCaptions[tab]);
}

}  // namespace miravel::texts
