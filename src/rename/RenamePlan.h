#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "platform/FileIdentity.h"
#include "rename/NameIndex.h"

namespace miravel {

// New bare name for a selected row, or nothing to skip the row silently. selectedIndex counts
// the selected rows in table order from 0.
using NewNameFunction =
    std::function<std::optional<QString>(const QString& rowName, qint64 selectedIndex)>;

// What the plan knows of the folder before anything is renamed.
struct FolderEntries {
    QStringList names;  // every entry: files, sub-folders, links
    bool ignoresCase = false;
    // Whether two present entries are one file (hard links); optional.
    std::function<bool(const QString& nameA, const QString& nameB)> sameFile;
};

// A rename that was made.
struct RenamedFile {
    QString oldName;
    QString newName;
    // The file under its new name just after the rename; undo acts on that file only.
    std::optional<FileIdentity> identity;
};

// How one planned rename is expected to end, in the order the rename itself finds out.
enum class PlanMark {
    Renames,
    NothingToDo,          // the new name is the old one (or another link of the same file)
    UnusableName,         // empty, "." or "..", with "/" or NUL
    Missing,              // the file is no longer in the folder
    NameTooLong,          // more bytes than a name in a folder can hold
    NameTaken,            // another file has the new name and keeps it
    NameTakenUntilLater,  // the file of that name is renamed away only further down the table
    SameAsEarlierRow,     // an earlier row gets this name first
};

struct PlannedRename {
    QString oldName;
    QString newName;
    PlanMark mark = PlanMark::Renames;
    qsizetype selectedIndex = 0;  // among the selected rows in table order, from 0
    bool Fails() const { return mark != PlanMark::Renames && mark != PlanMark::NothingToDo; }
};

struct RenamePlan {
    std::vector<PlannedRename> rows;  // selected rows in table order, skipped ones left out
    qsizetype selectedCount = 0;      // selected rows, skipped ones included
    qsizetype changes = 0;            // rows whose name is to change, failures included
    qsizetype failures = 0;
    qsizetype unchanged = 0;
};

// The names the run will give, row by row in table order, each marked with the outcome that
// a rename in that order can have: the folder's names are followed through every earlier
// rename of the run. Linear in the rows and entries; linear in the rows alone when given the
// index of the folder's names (one of other names is not used). With it may come, by selected
// row, what the index said of the row's name before: a lookup whose hash is not that of the
// name's key is done again.
RenamePlan PlanRenames(const QStringList& selectedNames, const NewNameFunction& newName,
                       const FolderEntries& folder, const NameIndex* folderIndex = nullptr,
                       std::span<const NameLookup> selectedLookups = {});

// Why a row is expected to fail, as the confirmation and the preview tell it; empty for a
// mark that does not fail.
QString PlanMarkReason(PlanMark mark);

// The confirmation's details: a line of counts, then one line per planned row.
QString PlanDetails(const RenamePlan& plan);

// The longest name in bytes that a folder entry can have.
inline constexpr qsizetype kMaxNameBytes = 255;

}  // namespace miravel
