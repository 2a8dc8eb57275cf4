#include "rename/widgets/DeletePanel.h"

namespace miravel {

DeletePanel::DeletePanel(const BatchContext& batch, QWidget* parent)
    : QFrame(parent), batch_(batch) {
    setObjectName(QStringLiteral("Frame6"));
    setAccessibleName(QStringLiteral("番号付き文字列を削除"));
}

}  // namespace miravel
