#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <vector>

#include "files/DateConditions.h"
#include "files/SelectionSummary.h"
#include "rename/BatchRename.h"
#include "rename/OperationRequest.h"
#include "rename/UndoHistory.h"

class QItemSelectionModel;
class QTimer;

namespace miravel {

class FileSystem;
class ActivePlan;
class FileTableModel;
class PhotoDates;
class LiveListing;
struct ListingChange;
class RowSelection;
class WorkProgress;

// One folder as the user works on it: the folder and its listing, the conditions that narrow
// it, the file table and its selection, the operation to run, the runs and what can be taken
// back. Widgets show it and forward what the user does; it tells them what changed.
class FolderSession : public QObject {
    Q_OBJECT

  public:
    // The table is the one given (the view's own subclass), or a plain one of the session's.
    explicit FolderSession(FileSystem& fileSystem, FileTableModel* table = nullptr,
                           QObject* parent = nullptr);
    ~FolderSession() override;

    // Told how far fills, runs and undos have come; optional.
    void SetProgress(WorkProgress* progress) { progress_ = progress; }
    // A fill that took at least this long has a change of the conditions that follows before
    // the event loop is back wait for the others of its burst; the table then shows the last.
    void SetSlowFillMs(int ms) { slowFillMs_ = ms; }

    const QString& Folder() const { return folder_; }
    // Sub-folders of the folder, in name order.
    const QStringList& SubFolders() const;
    const QString& Pattern() const { return pattern_; }
    const DateConditions& Dates() const { return dates_; }
    FileTableModel* Table() const { return table_; }
    QItemSelectionModel* Selection() const;
    // Selected rows in table order, and their names.
    std::vector<int> SelectedRows() const;
    QStringList SelectedNames() const;
    bool CanUndo() const { return undo_.CanUndo(); }
    const OperationRequest& Operation() const;
    // The photos' dates taken of the folder's files, for what shows the date tokens.
    PhotoDates& DatesTaken() const { return *photoDates_; }
    // How the photos' dates taken are found for the date tokens: read now, as a run needs
    // them, or only as far as they are known, the rest asked for off this thread (what is
    // shown while the user types never waits for a disk).
    enum class PhotoDateRead { Now, KnownOnly };
    // The selected rows' dates for the date tokens, the photos' dates when the operation needs
    // them. allKnown, when given, tells whether every photo date needed was there.
    RowDatesLookup SelectedRowDates(PhotoDateRead read, bool* allKnown = nullptr) const;

    // The active operation planned on the selected rows against the folder as it now is: the
    // plan the preview column shows, made again first when the folder's entries changed. The
    // confirmation shows this plan and ExecuteRun runs it.
    std::shared_ptr<const BatchRun> PlanRun();
    // The plan as the preview column shows it, made now when a change is pending.
    std::shared_ptr<const BatchRun> CurrentPlan();
    // Renames as planned, keeps the renames for undo, fills the table again when anything
    // was attempted (from what is known, the renames taken in), and tells RunFinished.
    BatchResult ExecuteRun(const BatchRun& run);
    // Takes back the newest run or in-place rename; nothing when there was none.
    std::optional<BatchResult> UndoLast();

  public Q_SLOTS:
    // Opens the folder unless it is open already, and fills the table.
    void OpenFolder(const QString& folder);
    // A volume's root: opened when it can be listed, else FolderRefused.
    void OpenVolume(const QString& root);
    void SetPattern(const QString& pattern);
    void SetDateConditions(const miravel::DateConditions& dates);
    // Reads the folder again and fills the table: every row selected, the last sort kept.
    void Refill();
    // Applies the changes of the folder told so far without waiting for others to join them.
    void ApplyFolderChanges();
    void SelectAll();
    // Tells the summary of the selection as it now is.
    void ReportSelection();
    void SetOperation(const miravel::OperationRequest& request);
    // The name of a table row was edited from originalName to newText: rename its file.
    void RenameInPlace(int row, const QString& originalName, const QString& newText);

  Q_SIGNALS:
    void FolderChanged(const QString& folder);
    void FolderRefused(const QString& error);
    // The sub-folders of the folder as they now are (on opening and when they change).
    void SubFoldersChanged(const QString& folder, const QStringList& subFolders);
    void FillStarting();
    // The table was filled anew, every row selected: the count and size texts; placeText is
    // left empty.
    void TableRefilled(const miravel::SelectionSummary& summary);
    // Files were created, removed or changed elsewhere and the table's rows followed: rows
    // added (unselected), removed or changed in place; the rest of the table, its order and
    // its selection stay. SelectionSummaryChanged follows.
    void TableRowsChanged();
    void SelectionSummaryChanged(const miravel::SelectionSummary& summary);
    void RunFinished(const miravel::BatchResult& result);
    void UndoAvailable(bool available);
    // An in-place rename ended; editOver false when it was refused before the row changed.
    void InPlaceRenameEnded(bool editOver);
    void InPlaceRenameRefused(const QString& text);
    // The active operation was planned again, after a change of its fields, the selection,
    // the rows or the folder.
    void PlanChanged(const std::shared_ptr<const miravel::BatchRun>& run);

  private:
    void ConditionsChanged();
    // Applies the notifications the system holds now, leaving the table to the fill that
    // follows: a table filled from the listing never shows a change already told.
    void CatchUp();
    void Fill();
    void FollowListing(const ListingChange& change);
    // Takes in what a run or an undo renamed and fills the table from what is known; reads
    // the folder again where no notifications keep it current.
    void TakeInRenames(const BatchResult& result);

    FileSystem& fileSystem_;
    FileTableModel* table_;
    RowSelection* selection_;
    ActivePlan* plan_;
    WorkProgress* progress_ = nullptr;
    QString folder_;
    QString pattern_ = QStringLiteral("*.*");
    DateConditions dates_;
    LiveListing* listing_;
    QTimer* burst_;  // runs while a slow fill's burst may still be arriving
    bool fillWaiting_ = false;
    bool takingIn_ = false;
    int slowFillMs_ = 50;
    PhotoDates* photoDates_;
    UndoHistory undo_;
};

}  // namespace miravel
