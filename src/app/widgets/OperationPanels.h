#pragma once

#include <QStackedWidget>

#include "rename/OperationRequest.h"

namespace miravel {

class AddPanel;
class ConvertPanel;
class DeletePanel;
class MessageBoxes;
class OperationPanel;
class ReplacePanel;
class SerialPanel;

// The operation panels under the tab bar (Picture1), one shown per tab. The shown panel's
// fields are the operation the table previews and a run button runs.
class OperationPanels : public QStackedWidget {
    Q_OBJECT

  public:
    // Refused number fields are told in boxes through messages, under title.
    OperationPanels(MessageBoxes* messages, const QString& title, QWidget* parent = nullptr);

    SerialPanel* Serial() const { return Frame5; }
    DeletePanel* Delete() const { return Frame6; }
    // The shown panel's fields.
    OperationRequest CurrentRequest() const;

  Q_SIGNALS:
    // The shown panel's fields changed, or another panel was shown.
    void RequestChanged(const miravel::OperationRequest& request);
    void RunRequested(const miravel::OperationRequest& request);

  private:
    void AddPanelPage(OperationPanel* panel);

    ReplacePanel* Frame3 = nullptr;
    AddPanel* Frame4 = nullptr;
    SerialPanel* Frame5 = nullptr;
    DeletePanel* Frame6 = nullptr;
    ConvertPanel* Frame7 = nullptr;
};

}  // namespace miravel
