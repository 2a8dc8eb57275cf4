#include "rename/widgets/AddPanel.h"

namespace miravel {

AddPanel::AddPanel(const BatchContext& batch, QWidget* parent) : QFrame(parent), batch_(batch) {
    setObjectName(QStringLiteral("Frame4"));
    setAccessibleName(QStringLiteral("文字列を付加"));
}

}  // namespace miravel
