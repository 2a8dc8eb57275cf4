#include "session/ActivePlan.h"

#include "files/FileTableModel.h"
#include "files/RowSelection.h"
#include "files/RowSelectionModel.h"
#include "rename/FolderEntriesRead.h"
#include "rename/NameIndex.h"
#include "session/FolderSession.h"
#include "session/PhotoDates.h"

namespace miravel {

namespace {

PreviewKind KindOf(PlanMark mark) {
    switch (mark) {
        case PlanMark::Renames:
            return PreviewKind::Renames;
        case PlanMark::NothingToDo:
            return PreviewKind::Unchanged;
        default:
            return PreviewKind::Fails;
    }
}

}  // namespace

ActivePlan::ActivePlan(FileSystem& fileSystem, const FolderSession& session,
                       RowSelection* selection, QObject* parent)
    : QObject(parent),
      fileSystem_(fileSystem),
      session_(session),
      table_(session.Table()),
      selection_(selection),
      run_(std::make_shared<BatchRun>()) {
    replan_.setSingleShot(true);
    replan_.setInterval(0);
    connect(&replan_, &QTimer::timeout, this, [this] { Current(); });

    connect(table_, &QAbstractItemModel::modelReset, this, [this] {
        planRowOf_.assign(size_t(table_->rowCount()), -1);
        rowLookups_.clear();
        MarkStale();
    });
    connect(table_, &FileTableModel::RowsPermuted, this, [this](const std::vector<int>& to) {
        std::vector<qint32> moved(planRowOf_.size(), -1);
        for (size_t row = 0; row < to.size() && row < planRowOf_.size(); ++row)
            moved[size_t(to[row])] = planRowOf_[row];
        planRowOf_ = std::move(moved);
        if (rowLookups_.size() == to.size()) {
            std::vector<NameLookup> lookups(to.size());
            for (size_t row = 0; row < to.size(); ++row)
                lookups[size_t(to[row])] = rowLookups_[row];
            rowLookups_ = std::move(lookups);
        }
    });
    connect(table_, &QAbstractItemModel::layoutChanged, this, &ActivePlan::MarkStale);
    connect(table_, &QAbstractItemModel::rowsRemoved, this,
            [this](const QModelIndex&, int first, int last) {
                planRowOf_.erase(planRowOf_.begin() + first, planRowOf_.begin() + last + 1);
                if (rowLookups_.size() >= size_t(last) + 1)
                    rowLookups_.erase(rowLookups_.begin() + first, rowLookups_.begin() + last + 1);
                MarkStale();
            });
    connect(table_, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int last) {
                planRowOf_.insert(planRowOf_.begin() + first, size_t(last - first + 1), -1);
                // A row comes in only for a file that appeared in the folder.
                FolderReread();
            });
    // The preview column's own changes are no change of the rows.
    connect(table_, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& topLeft, const QModelIndex&) {
                if (topLeft.column() != kPreviewColumn)
                    MarkStale();
            });
    connect(selection_->Model(), &QItemSelectionModel::selectionChanged, this,
            &ActivePlan::MarkStale);
    connect(&session.DatesTaken(), &PhotoDates::DatesArrived, this, [this] {
        if (!datesComplete_)
            MarkStale();
    });
    table_->SetPreviewSource(this);
}

ActivePlan::~ActivePlan() {
    if (table_)
        table_->SetPreviewSource(nullptr);
}

QStringList ActivePlan::TableNames() const {
    QStringList names;
    names.reserve(table_->rowCount());
    for (const FileRow& row : table_->Rows())
        names << row.name;
    return names;
}

void ActivePlan::SetEntries(FolderEntries entries) {
    entries_ = std::move(entries);
    entriesIndex_ = std::make_shared<NameIndex>(entries_.names, entries_.ignoresCase);
    rowLookups_.clear();
}

void ActivePlan::SetFolder(const QString& folder) {
    folder_ = folder;
    FolderReread();
}

void ActivePlan::FolderReread() {
    entriesRead_ = false;
    MarkStale();
}

void ActivePlan::SetOperation(const OperationRequest& request) {
    if (request == operation_)
        return;
    operation_ = request;
    MarkStale();
}

void ActivePlan::MarkStale() {
    stale_ = true;
    if (!replan_.isActive())
        replan_.start();
}

std::shared_ptr<const BatchRun> ActivePlan::Current() {
    if (stale_)
        MakePlan(FolderSession::PhotoDateRead::KnownOnly);
    return run_;
}

std::shared_ptr<const BatchRun> ActivePlan::ForRun() {
    const std::shared_ptr<const BatchRun> run = Current();
    if (run->problem || run->plan.selectedCount == 0)
        return run;
    FolderEntries entries = ReadFolderEntries(fileSystem_, folder_, TableNames());
    if (entries.names != entries_.names || entries.ignoresCase != entries_.ignoresCase) {
        SetEntries(std::move(entries));
        stale_ = true;
    }
    // A run reads the photos' dates it needs itself, anew where a file changed since.
    if (stale_ || NeedsDatesTaken(operation_))
        MakePlan(FolderSession::PhotoDateRead::Now);
    return run_;
}

void ActivePlan::MakePlan(FolderSession::PhotoDateRead datesRead) {
    stale_ = false;
    datesComplete_ = true;
    skipReason_ = {};
    replan_.stop();
    BatchRequest request;
    request.operation = MakeBatchOperation(operation_);
    request.folder = folder_;
    const std::vector<int> rows = selection_->Rows();
    request.selectedNames.reserve(qsizetype(rows.size()));
    for (int row : rows)
        request.selectedNames << table_->Row(row).name;
    std::vector<NameLookup> selectedLookups;
    // The folder's entries are read only for a plan that passed its checks and has rows.
    const bool checked = !request.operation.check || !request.operation.check();
    if (!rows.empty() && checked) {
        if (std::holds_alternative<AddStringFields>(operation_)) {
            request.operation = MakeBatchOperation(
                operation_, session_.SelectedRowDates(datesRead, &datesComplete_));
        }
        if (!entriesRead_) {
            SetEntries(ReadFolderEntries(fileSystem_, folder_, TableNames()));
            entriesRead_ = true;
        }
        request.entries = entries_;
        if (rowLookups_.size() != size_t(table_->rowCount())) {
            rowLookups_.clear();
            rowLookups_.reserve(size_t(table_->rowCount()));
            for (const FileRow& row : table_->Rows())
                rowLookups_.push_back(entriesIndex_->Look(row.name));
        }
        selectedLookups.reserve(rows.size());
        for (int row : rows)
            selectedLookups.push_back(rowLookups_[size_t(row)]);
        skipReason_ = request.operation.skipReason;
    }
    auto run = std::make_shared<BatchRun>(PlanBatch(request, entriesIndex_.get(), selectedLookups));
    planRowOf_.assign(size_t(table_->rowCount()), -1);
    for (size_t at = 0; at < run->plan.rows.size(); ++at)
        planRowOf_[size_t(rows[size_t(run->plan.rows[at].selectedIndex)])] = qint32(at);
    run_ = std::move(run);
    table_->PreviewChanged();
    Q_EMIT PlanChanged(run_);
}

PreviewCell ActivePlan::Cell(int row) const {
    PreviewCell cell;
    if (row < 0 || size_t(row) >= planRowOf_.size())
        return cell;
    if (planRowOf_[size_t(row)] < 0) {
        // A skipped row stays empty; where its operation says why, the tooltip tells it.
        if (skipReason_ && selection_->IsSelected(row))
            cell.reason = skipReason_(table_->Row(row).name);
        return cell;
    }
    const PlannedRename& planned = run_->plan.rows[size_t(planRowOf_[size_t(row)])];
    cell.kind = KindOf(planned.mark);
    cell.newName = planned.newName;
    cell.reason = PlanMarkReason(planned.mark);
    return cell;
}

QString ActivePlan::Problem() const {
    return run_->problem.value_or(QString());
}

}  // namespace miravel
