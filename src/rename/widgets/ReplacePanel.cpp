#include "rename/widgets/ReplacePanel.h"

namespace miravel {

ReplacePanel::ReplacePanel(const BatchContext& batch, QWidget* parent)
    : QFrame(parent), batch_(batch) {
    setObjectName(QStringLiteral("Frame3"));
    setAccessibleName(QStringLiteral("置換"));
}

}  // namespace miravel
