#include "app/SessionPrompts.h"

#include "platform/MessageBoxes.h"
#include "rename/BatchPrompts.h"
#include "rename/RenameTexts.h"
#include "session/FolderSession.h"

namespace miravel {

SessionPrompts::SessionPrompts(FolderSession& session, MessageBoxes& messages, QString title,
                               QObject* parent)
    : QObject(parent), session_(session), messages_(messages), title_(std::move(title)) {
    connect(&session_, &FolderSession::FolderRefused, this,
            [this](const QString& error) { messages_.Error(error, title_); });
    connect(&session_, &FolderSession::InPlaceRenameRefused, this, [this](const QString& text) {
        messages_.Error(text, rename_texts::RenameErrorTitle.toString());
    });
}

void SessionPrompts::Run(const OperationRequest& request) {
    session_.SetOperation(request);
    const std::shared_ptr<const BatchRun> planned = session_.PlanRun();
    const BatchRun& run = *planned;
    if (!ConfirmBatch(messages_, title_, run))
        return;
    ReportFailures(messages_, title_, session_.ExecuteRun(run));
}

void SessionPrompts::Undo() {
    if (const std::optional<BatchResult> result = session_.UndoLast())
        ReportFailures(messages_, title_, *result);
}

}  // namespace miravel
