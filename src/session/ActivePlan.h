#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <memory>
#include <vector>

#include "files/PreviewSource.h"
#include "rename/BatchRename.h"
#include "rename/OperationRequest.h"
#include "session/FolderSession.h"

namespace miravel {

class FileSystem;
class FileTableModel;
class FolderSession;
class RowSelection;

// The active operation planned on the selected rows, kept current for the preview column, the
// confirmation and the run alike. Every change of the operation, the selection, the rows' order
// or names and the folder marks the plan stale; it is made again once, when the event loop next
// comes round or when it is asked for, whichever is first. So a burst of changes costs one plan,
// and typing never waits for one.
class ActivePlan : public QObject, public PreviewSource {
    Q_OBJECT

  public:
    // The session's table and its rows' dates are planned on.
    ActivePlan(FileSystem& fileSystem, const FolderSession& session, RowSelection* selection,
               QObject* parent = nullptr);
    ~ActivePlan() override;

    void SetFolder(const QString& folder);
    // The folder was read again: its entries are read again for the next plan.
    void FolderReread();
    void SetOperation(const OperationRequest& request);
    const OperationRequest& Operation() const { return operation_; }

    // The plan as things now stand.
    std::shared_ptr<const BatchRun> Current();
    // The plan for a run: the folder's entries are read again first, and the plan made again
    // when another program changed them meanwhile.
    std::shared_ptr<const BatchRun> ForRun();

    PreviewCell Cell(int row) const override;
    QString Problem() const override;

  Q_SIGNALS:
    // A new plan is in place (the preview column has been told).
    void PlanChanged(const std::shared_ptr<const miravel::BatchRun>& run);

  private:
    void MarkStale();
    void MakePlan(FolderSession::PhotoDateRead datesRead);
    QStringList TableNames() const;
    void SetEntries(FolderEntries entries);

    FileSystem& fileSystem_;
    const FolderSession& session_;
    QPointer<FileTableModel> table_;  // may go first when the session goes
    RowSelection* selection_;
    QString folder_;
    OperationRequest operation_;
    FolderEntries entries_;
    std::shared_ptr<const NameIndex> entriesIndex_;  // of entries_, made with them
    // Per table row, what entriesIndex_ said of its name; moved with the rows, and looked up
    // again for every row when the folder is read again or the table filled anew.
    std::vector<NameLookup> rowLookups_;
    bool entriesRead_ = false;
    bool stale_ = true;
    bool datesComplete_ = true;  // every photo date the plan needed was known
    QTimer replan_;
    std::shared_ptr<const BatchRun> run_;
    std::function<QString(const QString& rowName)> skipReason_;  // the plan's operation's
    // Per table row, its row of the plan (-1: none). Moved with the rows between two plans, so
    // the column never shows a row another row's name.
    std::vector<qint32> planRowOf_;
};

}  // namespace miravel
