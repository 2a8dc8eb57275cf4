#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

#include "rename/DateTokens.h"
#include "rename/RenamePlan.h"
#include "rename/UndoHistory.h"

namespace miravel {

class FileSystem;
class MessageBoxes;
class WorkProgress;

// What one batch operation brings to the shared run.
struct BatchOperation {
    // Input checks in their order; the first failure's text is shown and ends the run.
    std::function<std::optional<QString>()> check;
    QString confirmText;
    // New bare name for a selected row, or nothing to skip the row silently. selectedIndex
    // counts the selected rows in table order from 0 (serial numbers are start + index).
    NewNameFunction newName;
};

// The dates of the rows by name, for the date tokens; nothing for a name not in the table.
using RowDatesLookup = std::function<std::optional<RowDates>(const QString& rowName)>;

// What the run needs of the window.
struct BatchContext {
    MessageBoxes* messages = nullptr;
    FileSystem* fileSystem = nullptr;
    QString title;                                  // the window caption
    std::function<QString()> folder;                // current folder, read after the confirmation
    std::function<QStringList()> selectedRowNames;  // selected rows in table order
    std::function<void()> refill;                   // refresh the file list and refill the table
    // The folder's entries for the plan shown with the confirmation; without it the selected
    // rows stand for the folder.
    std::function<FolderEntries(const QStringList& selectedRowNames)> folderEntries;
    // Told the renames that succeeded, in the order they were made, and the identity of the
    // folder they were made in.
    std::function<void(const QString& folder, const std::optional<FileIdentity>& folderIdentity,
                       std::vector<RenamedFile> renamed)>
        renamed;
    WorkProgress* progress = nullptr;
    // The rows' dates as they stand, with the photos' dates taken only when asked for.
    std::function<RowDatesLookup(bool withDateTaken)> rowDates;
};

// Check, confirm with the plan of every selected row behind the box's details, rename each
// planned row in table order, refill once if anything was attempted. Failures are reported row
// by row and the run goes on.
void BatchRename(const BatchOperation& operation, const BatchContext& context);

}  // namespace miravel
