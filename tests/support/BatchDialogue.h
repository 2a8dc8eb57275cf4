#pragma once

#include <QString>
#include <optional>

#include "rename/BatchRename.h"

namespace miravel {
class FileSystem;
class MessageBoxes;
}  // namespace miravel

namespace miravel::test {

// A batch run with its boxes, as the window has it: the refused input or the confirmation with
// the plan, the renames, one box per failure. The result when the run went ahead.
std::optional<BatchResult> RunBatch(FileSystem& fileSystem, MessageBoxes& boxes,
                                    const QString& title, const BatchRequest& request);

}  // namespace miravel::test
