#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

#include "rename/RenamePlan.h"

namespace miravel {

class FileSystem;
class WorkProgress;

// What one batch operation brings to the shared run.
struct BatchOperation {
    // Input checks in their order; the first failure's text is shown and ends the run.
    std::function<std::optional<QString>()> check;
    QString confirmText;
    // New bare name for a selected row, or nothing to skip the row silently. selectedIndex
    // counts the selected rows in table order from 0 (serial numbers are start + index).
    NewNameFunction newName;
    // Why a selected row is skipped, for the preview; unset, or empty, where a skip needs no
    // word (a replace that does not find its text).
    std::function<QString(const QString& rowName)> skipReason;
};

// One run asked for: the operation, the folder and what is known of it.
struct BatchRequest {
    BatchOperation operation;
    QString folder;
    QStringList selectedNames;  // selected rows in table order
    // The folder's entries for the plan; when they hold no name, the selected rows stand for
    // the folder.
    FolderEntries entries;
};

// A run ready to be confirmed: the plan the confirmation shows is the one ExecuteBatch runs.
struct BatchRun {
    std::optional<QString> problem;  // the first refused input; nothing else is set then
    QString confirmText;
    QString folder;
    RenamePlan plan;
    // The confirmation's details; empty when no row is selected.
    QString Details() const;
};

// Checks the operation's inputs and plans every selected row against the folder's entries,
// through the index of their names and the selected names' lookups in it where these are kept
// between plans (see PlanRenames).
BatchRun PlanBatch(const BatchRequest& request, const NameIndex* entriesIndex = nullptr,
                   std::span<const NameLookup> selectedLookups = {});

// How one planned row ended.
struct RowOutcome {
    enum class Kind { Renamed, Skipped, Failed };
    QString oldName;
    QString newName;
    Kind kind = Kind::Failed;
    QString error;  // the system's description (or the refusal) when Failed
    // The file under its new name just after a rename; undo acts on that file only.
    std::optional<FileIdentity> identity;
};

struct BatchResult {
    QString folder;
    std::optional<FileIdentity> folderIdentity;  // of the folder the renames were made in
    std::vector<RowOutcome> rows;                // in the order they were attempted
    // Whether any rename was attempted at all: only then has the folder to be shown again.
    bool Attempted() const { return !rows.empty(); }
    qsizetype Count(RowOutcome::Kind kind) const;
    // The renames that succeeded, in the order they were made, with their files' identities.
    std::vector<RenamedFile> Renamed() const;
};

// Renames each planned row in table order, with the folder held open. Every planned row is
// attempted, expected failures too, so that each failure is told in the system's own words.
BatchResult ExecuteBatch(FileSystem& fileSystem, const BatchRun& run,
                         WorkProgress* progress = nullptr);

}  // namespace miravel
