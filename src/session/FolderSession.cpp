#include "session/FolderSession.h"

#include <QElapsedTimer>
#include <QHash>
#include <QSet>
#include <QTimer>
#include <algorithm>
#include <memory>
#include <utility>

#include "files/FileTableModel.h"
#include "files/Formats.h"
#include "files/ListingFilter.h"
#include "files/LiveListing.h"
#include "files/RowSelection.h"
#include "files/RowSelectionModel.h"
#include "platform/FileNameCodec.h"
#include "platform/FileSystem.h"
#include "platform/WorkProgress.h"
#include "rename/InPlaceRename.h"
#include "session/ActivePlan.h"
#include "session/ListeningProgress.h"
#include "session/PhotoDates.h"

namespace miravel {

FolderSession::FolderSession(FileSystem& fileSystem, FileTableModel* table, QObject* parent)
    : QObject(parent),
      fileSystem_(fileSystem),
      table_(table ? table : new FileTableModel(this)),
      listing_(new LiveListing(fileSystem, this)),
      burst_(new QTimer(this)),
      photoDates_(new PhotoDates(this)) {
    table_->setParent(this);
    selection_ = new RowSelection(table_, this);
    plan_ = new ActivePlan(fileSystem_, *this, selection_, this);
    connect(plan_, &ActivePlan::PlanChanged, this, &FolderSession::PlanChanged);
    connect(listing_, &LiveListing::Changed, this, &FolderSession::FollowListing);
    burst_->setSingleShot(true);
    burst_->setInterval(0);
    connect(burst_, &QTimer::timeout, this, [this] {
        if (fillWaiting_) {
            CatchUp();
            Fill();
        }
    });
}

FolderSession::~FolderSession() = default;

const QStringList& FolderSession::SubFolders() const {
    return listing_->Folders();
}

QItemSelectionModel* FolderSession::Selection() const {
    return selection_->Model();
}

std::vector<int> FolderSession::SelectedRows() const {
    return selection_->Rows();
}

QStringList FolderSession::SelectedNames() const {
    const std::vector<int> rows = selection_->Rows();
    QStringList names;
    names.reserve(qsizetype(rows.size()));
    for (int row : rows)
        names << table_->Row(row).name;
    return names;
}

void FolderSession::OpenFolder(const QString& folder) {
    const QString normal = WithoutTrailingSeparator(folder);
    if (normal.isEmpty() || normal == folder_)
        return;
    folder_ = normal;
    plan_->SetFolder(folder_);
    listing_->Open(folder_);  // its news fills the table
    Q_EMIT FolderChanged(folder_);
}

void FolderSession::OpenVolume(const QString& root) {
    const QString error = fileSystem_.FolderAccessError(root);
    if (!error.isEmpty()) {
        Q_EMIT FolderRefused(error);
        return;
    }
    OpenFolder(root);
}

void FolderSession::SetPattern(const QString& pattern) {
    pattern_ = pattern;
    ConditionsChanged();
}

void FolderSession::SetDateConditions(const DateConditions& dates) {
    dates_ = dates;
    ConditionsChanged();
}

void FolderSession::ConditionsChanged() {
    if (burst_->isActive()) {
        fillWaiting_ = true;
        return;
    }
    CatchUp();
    Fill();
}

void FolderSession::CatchUp() {
    takingIn_ = true;
    listing_->ApplyPendingChanges();
    takingIn_ = false;
}

void FolderSession::Refill() {
    listing_->Refresh();  // its news fills the table
}

void FolderSession::ApplyFolderChanges() {
    listing_->ApplyPendingChanges();
}

void FolderSession::Fill() {
    fillWaiting_ = false;
    Q_EMIT FillStarting();
    // Only the table's own work counts: what the widgets do with the news varies with the
    // machine's load, and a small folder must never wait.
    QElapsedTimer took;
    took.start();
    photoDates_->Forget();
    // A watched listing tells the plan of every change itself; filtering it changes no entry
    // of the folder, so a keystroke reads nothing.
    if (!listing_->IsWatched())
        plan_->FolderReread();
    const WildcardPattern pattern(pattern_);
    const std::vector<quint32> passed = FilterListing(listing_->Entries(), pattern, dates_);
    double totalBytes = 0;
    table_->RefillListedRows([&] {
        ProgressScope progress(progress_, qint64(passed.size()));
        FileRowsBuild build =
            RowsForEntries(*listing_, passed, [&progress](qint64 done) { progress.Advance(done); });
        totalBytes = build.totalBytes;
        return std::move(build.rows);
    });
    const auto rows = qint64(table_->rowCount());
    const bool slow = took.elapsed() >= slowFillMs_;
    selection_->SelectAll();
    SelectionSummary summary;
    summary.count = rows;
    summary.countText = SelectedCountText(rows);
    summary.sizeText = FormatSizeTotal(totalBytes);
    Q_EMIT TableRefilled(summary);
    if (slow)
        burst_->start();
}

void FolderSession::FollowListing(const ListingChange& change) {
    if (change.reset || !change.added.isEmpty() || !change.removed.isEmpty() ||
        change.foldersChanged)
        plan_->FolderReread();
    if (change.foldersChanged)
        Q_EMIT SubFoldersChanged(folder_, listing_->Folders());
    if (takingIn_)
        return;  // a fill follows at once
    if (change.reset) {
        Fill();
        return;
    }
    if (change.added.isEmpty() && change.removed.isEmpty() && change.changed.isEmpty())
        return;

    const QSet<QString> removed(change.removed.begin(), change.removed.end());
    const QSet<QString> changed(change.changed.begin(), change.changed.end());
    // An added name can be in the table already: a file that went and came back in one burst.
    QSet<QString> added(change.added.begin(), change.added.end());
    std::vector<int> goneRows;
    const std::vector<FileRow>& rows = table_->Rows();
    for (size_t row = 0; row < rows.size(); ++row) {
        const QString& name = rows[row].name;
        if (removed.contains(name)) {
            goneRows.push_back(int(row));
        } else if (changed.contains(name) || added.remove(name)) {
            const qsizetype at = listing_->IndexOf(name);
            if (at >= 0) {
                const ListingEntry& entry = listing_->Entries()[size_t(at)];
                table_->SetRowState(int(row), entry.size, entry.created, entry.modified);
            }
        }
    }
    table_->RemoveRowsAt(std::move(goneRows));

    const WildcardPattern pattern(pattern_);
    const ListingConditions conditions(pattern, dates_);
    std::vector<quint32> arrived;
    for (const QString& name : std::as_const(added)) {
        const qsizetype at = listing_->IndexOf(name);
        if (at >= 0 && conditions.Accepts(listing_->Entries()[size_t(at)]))
            arrived.push_back(quint32(at));
    }
    std::sort(arrived.begin(), arrived.end());
    table_->AddRows(RowsForEntries(*listing_, arrived).rows);
    Q_EMIT TableRowsChanged();
    ReportSelection();
}

void FolderSession::TakeInRenames(const BatchResult& result) {
    if (!listing_->IsWatched()) {
        listing_->Refresh();  // its news fills the table
        return;
    }
    std::vector<std::pair<QString, QString>> names;
    names.reserve(result.rows.size());
    for (const RowOutcome& row : result.rows)
        if (row.kind == RowOutcome::Kind::Renamed)
            names.emplace_back(row.oldName, row.newName);
    listing_->ApplyRenames(names);
    plan_->FolderReread();
    // What other programs did meanwhile (files gone that the run then failed on) is in the
    // table at once; the run's own notifications leave nothing to change.
    CatchUp();
    Fill();
}

void FolderSession::SelectAll() {
    selection_->SelectAll();
    Q_EMIT SelectionSummaryChanged(SummarizeAllRows(table_->Rows(), folder_));
}

void FolderSession::ReportSelection() {
    Q_EMIT SelectionSummaryChanged(SummarizeSelection(table_->Rows(), selection_->Rows(), folder_));
}

void FolderSession::SetOperation(const OperationRequest& request) {
    plan_->SetOperation(request);
}

const OperationRequest& FolderSession::Operation() const {
    return plan_->Operation();
}

std::shared_ptr<const BatchRun> FolderSession::PlanRun() {
    return plan_->ForRun();
}

std::shared_ptr<const BatchRun> FolderSession::CurrentPlan() {
    return plan_->Current();
}

RowDatesLookup FolderSession::SelectedRowDates(PhotoDateRead read, bool* allKnown) const {
    auto dates = std::make_shared<QHash<QString, RowDates>>();
    QStringList names;
    for (int row : selection_->Rows()) {
        const FileRow& file = table_->Row(row);
        dates->insert(file.name, RowDates{file.created, file.modified, std::nullopt});
        names << file.name;
    }
    if (allKnown)
        *allKnown = true;
    if (NeedsDatesTaken(Operation()) && read == PhotoDateRead::Now) {
        const auto taken = photoDates_->ReadNow(folder_, names, progress_);
        for (auto it = dates->begin(); it != dates->end(); ++it)
            it->taken = taken.value(it.key());
    } else if (NeedsDatesTaken(Operation())) {
        QStringList missing;
        for (auto it = dates->begin(); it != dates->end(); ++it) {
            const auto known = photoDates_->Known(it.key());
            if (known)
                it->taken = *known;
            else
                missing << it.key();
        }
        photoDates_->Request(folder_, missing);
        if (allKnown)
            *allKnown = missing.isEmpty();
    }
    return [dates](const QString& name) -> std::optional<RowDates> {
        const auto found = dates->constFind(name);
        if (found == dates->cend())
            return std::nullopt;
        return *found;
    };
}

BatchResult FolderSession::ExecuteRun(const BatchRun& run) {
    // What other programs did before the run is shown first: the run's own notifications are
    // then told apart from theirs by name.
    ApplyFolderChanges();
    ListeningProgress progress(progress_, *listing_);
    BatchResult result = ExecuteBatch(fileSystem_, run, &progress);
    const bool couldUndo = undo_.CanUndo();
    undo_.Record(result.folder, result.folderIdentity, result.Renamed());
    if (undo_.CanUndo() != couldUndo)
        Q_EMIT UndoAvailable(undo_.CanUndo());
    if (result.Attempted())
        TakeInRenames(result);
    Q_EMIT RunFinished(result);
    return result;
}

std::optional<BatchResult> FolderSession::UndoLast() {
    ApplyFolderChanges();
    ListeningProgress progress(progress_, *listing_);
    std::optional<BatchResult> result = undo_.UndoLast(fileSystem_, &progress);
    if (!result)
        return result;
    if (!undo_.CanUndo())
        Q_EMIT UndoAvailable(false);
    TakeInRenames(*result);
    return result;
}

void FolderSession::RenameInPlace(int row, const QString& originalName, const QString& newText) {
    const QPersistentModelIndex edited(table_->index(row, 0));
    EditedRow editedRow;
    editedRow.name = [this, edited] {
        return edited.isValid() ? table_->Row(edited.row()).name : QString();
    };
    editedRow.setName = [this, edited](const QString& name) {
        return edited.isValid() && table_->SetRowName(edited.row(), name);
    };
    // The row shows the name as the disk will hold it.
    const QString newName = CanonicalFileName(newText);
    const QString folder = folder_;
    const InPlaceRenameResult result =
        miravel::RenameInPlace(fileSystem_, folder, originalName, newName, editedRow);
    if (result.renamed) {
        plan_->FolderReread();
        listing_->ApplyRenames({{originalName, newName}});
        const bool couldUndo = undo_.CanUndo();
        undo_.Record(folder, fileSystem_.FolderIdentity(folder),
                     {RenamedNow(fileSystem_, folder, originalName, newName)});
        if (!couldUndo)
            Q_EMIT UndoAvailable(true);
    }
    Q_EMIT InPlaceRenameEnded(result.editOver);
    if (result.refusal)
        Q_EMIT InPlaceRenameRefused(*result.refusal);
}

}  // namespace miravel
