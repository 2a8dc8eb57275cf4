#pragma once

#include <QString>

namespace miravel {

class MessageBoxes;
struct BatchResult;
struct BatchRun;

// Shows a refused input in an error box, or asks the run's confirmation with its plan behind
// the details button. True when the run is to go on.
bool ConfirmBatch(MessageBoxes& messages, const QString& title, const BatchRun& run);

// One error box per failed row, in the order the rows were attempted.
void ReportFailures(MessageBoxes& messages, const QString& title, const BatchResult& result);

}  // namespace miravel
