#include "session/FolderSession.h"

#include <QHash>
#include <memory>

#include "files/FileTableFill.h"
#include "files/FileTableModel.h"
#include "files/Formats.h"
#include "files/RowSelection.h"
#include "platform/FileNameCodec.h"
#include "platform/FileSystem.h"
#include "platform/WorkProgress.h"
#include "rename/InPlaceRename.h"
#include "session/ActivePlan.h"
#include "session/PhotoDates.h"

namespace miravel {

FolderSession::FolderSession(FileSystem& fileSystem, FileTableModel* table, QObject* parent)
    : QObject(parent),
      fileSystem_(fileSystem),
      table_(table ? table : new FileTableModel(this)),
      listing_(fileSystem),
      photoDates_(new PhotoDates(this)) {
    table_->setParent(this);
    selection_ = new RowSelection(table_, this);
    plan_ = new ActivePlan(fileSystem_, *this, selection_, this);
    connect(plan_, &ActivePlan::PlanChanged, this, &FolderSession::PlanChanged);
}

FolderSession::~FolderSession() = default;

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
    listing_.Open(folder_);
    plan_->SetFolder(folder_);
    Fill();
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
    Fill();
}

void FolderSession::SetDateConditions(const DateConditions& dates) {
    dates_ = dates;
    Fill();
}

void FolderSession::Refill() {
    Fill();
}

void FolderSession::Fill() {
    Q_EMIT FillStarting();
    photoDates_->Forget();
    plan_->FolderReread();
    const std::vector<ListedFile>& files = listing_.Matching(pattern_);
    FileRowSources sources;
    sources.accepts = [this](QStringView created, QStringView modified) {
        return dates_.Accepts(created, modified);
    };
    sources.typeOf = [this](const QString& name) { return types_.Describe(name); };
    FileRowsBuild build;
    {
        ProgressScope progress(progress_, qint64(files.size()));
        sources.progress = [&progress](qint64 done) { progress.Advance(done); };
        build = BuildFileRows(files, sources);
    }
    const auto rows = qint64(build.rows.size());
    table_->SetListedRows(std::move(build.rows));
    selection_->SelectAll();
    SelectionSummary summary;
    summary.count = rows;
    summary.countText = SelectedCountText(rows);
    summary.sizeText = FormatSizeTotal(build.totalBytes);
    Q_EMIT TableRefilled(summary);
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

RowDatesLookup FolderSession::SelectedRowDates() const {
    auto dates = std::make_shared<QHash<QString, RowDates>>();
    QStringList names;
    for (int row : selection_->Rows()) {
        const FileRow& file = table_->Row(row);
        dates->insert(file.name, RowDates{file.created, file.modified, std::nullopt});
        names << file.name;
    }
    if (NeedsDatesTaken(Operation())) {
        const auto taken = photoDates_->ReadNow(folder_, names, progress_);
        for (auto it = dates->begin(); it != dates->end(); ++it)
            it->taken = taken.value(it.key());
    }
    return [dates](const QString& name) -> std::optional<RowDates> {
        const auto found = dates->constFind(name);
        if (found == dates->cend())
            return std::nullopt;
        return *found;
    };
}

BatchResult FolderSession::ExecuteRun(const BatchRun& run) {
    BatchResult result = ExecuteBatch(fileSystem_, run, progress_);
    const bool couldUndo = undo_.CanUndo();
    undo_.Record(result.folder, result.folderIdentity, result.Renamed());
    if (undo_.CanUndo() != couldUndo)
        Q_EMIT UndoAvailable(undo_.CanUndo());
    if (result.Attempted())
        Fill();
    Q_EMIT RunFinished(result);
    return result;
}

std::optional<BatchResult> FolderSession::UndoLast() {
    std::optional<BatchResult> result = undo_.UndoLast(fileSystem_, progress_);
    if (!result)
        return result;
    if (!undo_.CanUndo())
        Q_EMIT UndoAvailable(false);
    Fill();
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
