#pragma once

#include <QObject>
#include <QString>

#include "rename/OperationRequest.h"

namespace miravel {

class FolderSession;
class MessageBoxes;

// The message boxes around the session's work: a run's refused input or its confirmation with
// the plan, one box per failed rename, an unreadable volume, a refused in-place rename. The
// session itself never shows a box.
class SessionPrompts : public QObject {
    Q_OBJECT

  public:
    SessionPrompts(FolderSession& session, MessageBoxes& messages, QString title,
                   QObject* parent = nullptr);

  public Q_SLOTS:
    // Checks the request, asks with the plan behind the confirmation's details, and runs
    // exactly that plan.
    void Run(const miravel::OperationRequest& request);
    void Undo();

  private:
    FolderSession& session_;
    MessageBoxes& messages_;
    QString title_;  // the window caption
};

}  // namespace miravel
