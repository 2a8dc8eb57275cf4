#include "files/RowSelectionModel.h"

#include <QSignalBlocker>
#include <algorithm>
#include <climits>

namespace miravel {

namespace {

constexpr unsigned char kSelected = 1;
constexpr unsigned char kKept = 2;  // selected before the current selection began
constexpr unsigned char kWas = 4;   // selected before this command, while it is applied
// Qt's ranges cost each paint and query a walk through all of them; a few stay cheap.
constexpr int kMirroredRuns = 64;

}  // namespace

RowSelectionModel::RowSelectionModel(QAbstractItemModel* model, QObject* parent)
    : QItemSelectionModel(model, parent), flags_(size_t(model->rowCount()), 0) {}

bool RowSelectionModel::IsRowSelected(int row) const {
    return row >= 0 && size_t(row) < flags_.size() && (flags_[size_t(row)] & kSelected) != 0;
}

std::vector<int> RowSelectionModel::Rows() const {
    std::vector<int> rows;
    for (size_t row = 0; row < flags_.size(); ++row)
        if (flags_[row] & kSelected)
            rows.push_back(int(row));
    return rows;
}

bool RowSelectionModel::IsSoleSelectedRow(int row) const {
    if (!IsRowSelected(row))
        return false;
    for (size_t other = 0; other < flags_.size(); ++other)
        if ((flags_[other] & kSelected) && other != size_t(row))
            return false;
    return true;
}

void RowSelectionModel::select(const QModelIndex& index, SelectionFlags command) {
    select(index.isValid() ? QItemSelection(index, index) : QItemSelection(), command);
}

void RowSelectionModel::select(const QItemSelection& selection, SelectionFlags command) {
    if (command == NoUpdate || !model())
        return;
    int first = INT_MAX;
    int last = -1;
    if (!Apply(selection, command, &first, &last))
        return;
    MirrorRuns();
    const int lastColumn = model()->columnCount() - 1;
    if (lastColumn < 0)
        return;
    // One range over the rows that changed: enough for a view to draw them again, and cheap
    // however scattered they are.
    Q_EMIT selectionChanged(
        QItemSelection(model()->index(first, 0), model()->index(last, lastColumn)), {});
}

void RowSelectionModel::clear() {
    select(QItemSelection(), Clear);
    clearCurrentIndex();
}

void RowSelectionModel::reset() {
    const QSignalBlocker blocker(this);
    std::fill(flags_.begin(), flags_.end(), 0);
    SetRangesAside();
}

void RowSelectionModel::SetRangesAside() {
    const QSignalBlocker blocker(this);
    // The base's own: this model's clear() would clear the flags as well.
    QItemSelectionModel::select(QItemSelection(), Clear);
    QItemSelectionModel::clearCurrentIndex();
}

bool RowSelectionModel::Apply(const QItemSelection& selection, SelectionFlags command,
                              int* firstChanged, int* lastChanged) {
    // The rows a command starts from: none after Clear; everything selected now when it begins
    // a new current selection; otherwise those kept when the current one began.
    for (unsigned char& flag : flags_) {
        const unsigned char was = (flag & kSelected) ? kWas : 0;
        unsigned char kept = flag & kKept;
        if (command & Clear)
            kept = 0;
        else if (!(command & Current))
            kept = (flag & kSelected) ? kKept : 0;
        flag = static_cast<unsigned char>(was | kept | (kept ? kSelected : 0));
    }
    if (command & (Select | Deselect | Toggle)) {
        const int rowCount = int(flags_.size());
        for (const QItemSelectionRange& range : selection) {
            if (!range.isValid() || range.parent().isValid())
                continue;
            const int bottom = std::min(range.bottom(), rowCount - 1);
            for (int row = std::max(range.top(), 0); row <= bottom; ++row) {
                unsigned char& flag = flags_[size_t(row)];
                bool on = true;
                if (command & Toggle)
                    on = !(flag & kKept);
                else if (command & Deselect)
                    on = false;
                flag = static_cast<unsigned char>((flag & ~kSelected) | (on ? kSelected : 0));
            }
        }
    }
    for (size_t row = 0; row < flags_.size(); ++row) {
        unsigned char& flag = flags_[row];
        if (bool(flag & kWas) != bool(flag & kSelected)) {
            *firstChanged = std::min(*firstChanged, int(row));
            *lastChanged = int(row);
        }
        flag &= static_cast<unsigned char>(~kWas);
    }
    return *lastChanged >= 0;
}

void RowSelectionModel::MirrorRuns() {
    QItemSelection runs;
    const int lastColumn = model()->columnCount() - 1;
    const int rowCount = int(flags_.size());
    for (int row = 0; row < rowCount && runs.size() < kMirroredRuns && lastColumn >= 0;) {
        if (!(flags_[size_t(row)] & kSelected)) {
            ++row;
            continue;
        }
        const int first = row;
        while (row < rowCount && (flags_[size_t(row)] & kSelected))
            ++row;
        runs.append(
            QItemSelectionRange(model()->index(first, 0), model()->index(row - 1, lastColumn)));
    }
    // Silent: the flags' own signal has told, or tells, what changed.
    const QSignalBlocker blocker(this);
    QItemSelectionModel::select(runs, runs.isEmpty() ? SelectionFlags(Clear) : ClearAndSelect);
}

void RowSelectionModel::ResetRows(int count) {
    flags_.assign(size_t(std::max(count, 0)), 0);
}

void RowSelectionModel::InsertRows(int first, int count) {
    flags_.insert(flags_.begin() + first, size_t(count), 0);
    // Qt's ranges grow over rows inserted inside them; new rows come unselected.
    MirrorRuns();
}

void RowSelectionModel::RemoveRows(int first, int last) {
    flags_.erase(flags_.begin() + first, flags_.begin() + last + 1);
    MirrorRuns();
}

void RowSelectionModel::PermuteRows(const std::vector<int>& newPosition) {
    std::vector<unsigned char> moved(flags_.size(), 0);
    for (size_t row = 0; row < newPosition.size() && row < flags_.size(); ++row)
        moved[size_t(newPosition[row])] = flags_[row];
    flags_ = std::move(moved);
}

}  // namespace miravel
