#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace miravel {

class FileSystem;
class MessageBoxes;

// What one batch operation brings to the shared run.
struct BatchOperation {
    // Input checks in their order; the first failure's text is shown and ends the run.
    std::function<std::optional<QString>()> check;
    QString confirmText;
    // New bare name for a selected row, or nothing to skip the row silently. selectedIndex
    // counts the selected rows in table order from 0 (serial numbers are start + index).
    std::function<std::optional<QString>(const QString& rowName, qint64 selectedIndex)> newName;
};

// What the run needs of the window.
struct BatchContext {
    MessageBoxes* messages = nullptr;
    FileSystem* fileSystem = nullptr;
    QString title;                                 // the window caption
    std::function<QString()> folder;               // current folder, read after the confirmation
    std::function<QStringList()> selectedRowNames;  // selected rows in table order
    std::function<void()> refill;                  // refresh the file list and refill the table
};

// Check, confirm, rename each selected row in table order, refill once if anything was
// attempted. Failures are reported row by row and the run goes on.
void BatchRename(const BatchOperation& operation, const BatchContext& context);

}  // namespace miravel
