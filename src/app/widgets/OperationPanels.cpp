#include "app/widgets/OperationPanels.h"

#include "rename/widgets/AddPanel.h"
#include "rename/widgets/ConvertPanel.h"
#include "rename/widgets/DeletePanel.h"
#include "rename/widgets/ReplacePanel.h"
#include "rename/widgets/SerialPanel.h"

namespace miravel {

OperationPanels::OperationPanels(MessageBoxes* messages, const QString& title, QWidget* parent)
    : QStackedWidget(parent) {
    setObjectName(QStringLiteral("Picture1"));
    setFrameShape(QFrame::StyledPanel);
    setContentsMargins(6, 6, 6, 6);
    Frame3 = new ReplacePanel(this);
    Frame4 = new AddPanel(messages, title, this);
    Frame5 = new SerialPanel(messages, title, this);
    Frame6 = new DeletePanel(this);
    Frame7 = new ConvertPanel(this);
    for (OperationPanel* panel :
         std::initializer_list<OperationPanel*>{Frame3, Frame4, Frame5, Frame6, Frame7})
        AddPanelPage(panel);
    // The shown panel only decides the stack's height.
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    connect(this, &QStackedWidget::currentChanged, this,
            [this] { Q_EMIT RequestChanged(CurrentRequest()); });
}

void OperationPanels::AddPanelPage(OperationPanel* panel) {
    addWidget(panel);
    // A hidden panel's fields change too (settings, the digit count after a fill).
    connect(panel, &OperationPanel::RequestChanged, this,
            [this, panel](const OperationRequest& request) {
                if (currentWidget() == panel)
                    Q_EMIT RequestChanged(request);
            });
    connect(panel, &OperationPanel::RunRequested, this, &OperationPanels::RunRequested);
}

OperationRequest OperationPanels::CurrentRequest() const {
    const auto* panel = qobject_cast<const OperationPanel*>(currentWidget());
    return panel ? panel->CurrentRequest() : OperationRequest();
}

}  // namespace miravel
