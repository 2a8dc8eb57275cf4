#include "BatchDialogue.h"

#include "rename/BatchPrompts.h"

namespace miravel::test {

std::optional<BatchResult> RunBatch(FileSystem& fileSystem, MessageBoxes& boxes,
                                    const QString& title, const BatchRequest& request) {
    const BatchRun run = PlanBatch(request);
    if (!ConfirmBatch(boxes, title, run))
        return std::nullopt;
    BatchResult result = ExecuteBatch(fileSystem, run);
    ReportFailures(boxes, title, result);
    return result;
}

}  // namespace miravel::test
