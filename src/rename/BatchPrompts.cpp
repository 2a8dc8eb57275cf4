#include "rename/BatchPrompts.h"

#include "platform/MessageBoxes.h"
#include "rename/BatchRename.h"

namespace miravel {

bool ConfirmBatch(MessageBoxes& messages, const QString& title, const BatchRun& run) {
    if (run.problem) {
        messages.Error(*run.problem, title);
        return false;
    }
    return messages.Confirm(run.confirmText, title, run.Details());
}

void ReportFailures(MessageBoxes& messages, const QString& title, const BatchResult& result) {
    for (const RowOutcome& row : result.rows)
        if (row.kind == RowOutcome::Kind::Failed)
            messages.Error(row.error, title);
}

}  // namespace miravel
