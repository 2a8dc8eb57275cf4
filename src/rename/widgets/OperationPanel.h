#pragma once

#include <QFrame>

#include "rename/OperationRequest.h"

namespace miravel {

// What every operation panel offers the window: its fields as a request, told on every change
// and again when its run button is pressed.
class OperationPanel : public QFrame {
    Q_OBJECT

  public:
    using QFrame::QFrame;

    // The panel's fields as they stand.
    virtual OperationRequest CurrentRequest() const = 0;

  Q_SIGNALS:
    // A field changed (typed, chosen or set by the program).
    void RequestChanged(const miravel::OperationRequest& request);
    // The run button was pressed on fields that may run.
    void RunRequested(const miravel::OperationRequest& request);

  protected:
    void ReportChange() { Q_EMIT RequestChanged(CurrentRequest()); }
};

}  // namespace miravel
