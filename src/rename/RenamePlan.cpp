#include "rename/RenamePlan.h"

#include <limits>

#include "platform/FileNameCodec.h"
#include "rename/FileNameRules.h"
#include "rename/NameIndex.h"
#include "rename/RenameTexts.h"

namespace miravel {

namespace {

// Who holds a name in the folder while the run is followed: the planned row that gave it the
// name (0 and up), or a file that was there from the start: -1, or -2 - i when planned row i
// is that file, which a name freed further down the table needs to know. A name renamed away
// is held by none.
constexpr qsizetype kFromTheStart = -1;
constexpr qsizetype kFreed = std::numeric_limits<qsizetype>::min();
constexpr qsizetype FromTheStartPlannedAt(qsizetype index) {
    return -2 - index;
}

}  // namespace

QString PlanMarkReason(PlanMark mark) {
    switch (mark) {
        case PlanMark::UnusableName:
            return rename_texts::PlanUnusableName.toString();
        case PlanMark::Missing:
            return rename_texts::PlanMissing.toString();
        case PlanMark::NameTooLong:
            return rename_texts::PlanNameTooLong.toString();
        case PlanMark::NameTaken:
            return rename_texts::PlanNameTaken.toString();
        case PlanMark::NameTakenUntilLater:
            return rename_texts::PlanNameTakenUntilLater.toString();
        case PlanMark::SameAsEarlierRow:
            return rename_texts::PlanSameAsEarlierRow.toString();
        case PlanMark::Renames:
        case PlanMark::NothingToDo:
            break;
    }
    return {};
}

namespace {

// A UTF-16 unit never takes more than three bytes, so short names need no encoding to know.
bool TooLong(const QString& name) {
    return name.size() * 3 > kMaxNameBytes && EncodeFileName(name).size() > kMaxNameBytes;
}

}  // namespace

RenamePlan PlanRenames(const QStringList& selectedNames, const NewNameFunction& newName,
                       const FolderEntries& folder, const NameIndex* folderIndex,
                       std::span<const NameLookup> selectedLookups) {
    std::optional<NameIndex> ownIndex;
    if (folderIndex == nullptr || !folderIndex->IsOf(folder.names, folder.ignoresCase)) {
        folderIndex = &ownIndex.emplace(folder.names, folder.ignoresCase);
        selectedLookups = {};
    }
    const bool ignoresCase = folder.ignoresCase;

    // What a row's names tell without the rows before it, found while its names are at hand:
    // the names are scattered in memory, the run's order is followed on these alone.
    struct Found {
        size_t newHash = 0;
        qint32 oldNumber = -1;  // the old name's number in the folder, -1: gone
        qint32 newNumber = -1;  // the new name's, -1: no file had it at the start
        bool sameKey = false;   // only the letters' case changes
    };
    RenamePlan plan;
    plan.selectedCount = selectedNames.size();
    std::vector<Found> found;
    plan.rows.reserve(size_t(selectedNames.size()));
    found.reserve(size_t(selectedNames.size()));
    // The new names' keys where case is ignored, by planned row.
    std::vector<QString> newKeys;
    // Who holds each of the folder's names while the run is followed, by the name's number.
    std::vector<qsizetype> holders(size_t(folderIndex->Size()), kFromTheStart);
    QString oldFolded;
    for (qsizetype index = 0; index < selectedNames.size(); ++index) {
        const QString& oldName = selectedNames[index];
        std::optional<QString> name = newName(oldName, qint64(index));
        if (!name)
            continue;
        // Compared, shown and renamed as the bytes the disk will hold.
        PlannedRename& row = plan.rows.emplace_back(
            PlannedRename{oldName, CanonicalFileName(*name), PlanMark::Renames, index});
        Found& facts = found.emplace_back();
        const QStringView oldKey =
            ignoresCase ? QStringView(oldFolded = oldName.toCaseFolded()) : QStringView(oldName);
        // The hash, of a name at hand, costs less than a lookup in a table that large.
        const size_t oldHash = KeySlots::Hash(oldKey);
        const bool looked = size_t(index) < selectedLookups.size() &&
                            selectedLookups[size_t(index)].hash == oldHash;
        facts.oldNumber =
            looked ? selectedLookups[size_t(index)].number : folderIndex->Find(oldKey, oldHash);
        if (facts.oldNumber >= 0)
            holders[size_t(facts.oldNumber)] = FromTheStartPlannedAt(qsizetype(found.size() - 1));
        QString& newKey =
            ignoresCase ? newKeys.emplace_back(row.newName.toCaseFolded()) : row.newName;
        // The checks come in the order in which the rename itself meets them, so the mark is
        // the failure the rename will report.
        if (!IsSafeBareName(row.newName) || !IsSafeBareName(oldName)) {
            row.mark = PlanMark::UnusableName;
        } else if (facts.oldNumber < 0) {
            row.mark = PlanMark::Missing;
        } else if (row.newName == oldName) {
            row.mark = PlanMark::NothingToDo;
        } else if (TooLong(row.newName)) {
            row.mark = PlanMark::NameTooLong;
        } else if (ignoresCase && newKey == oldKey) {
            facts.sameKey = true;
            facts.newNumber = facts.oldNumber;
        } else {
            facts.newHash = KeySlots::Hash(newKey);
            facts.newNumber = folderIndex->Find(newKey, facts.newHash);
        }
    }

    // The names no file had at the start, by the planned row that gives them.
    KeySlots given;
    given.Reset(qsizetype(plan.rows.size()));
    const auto newKeyOf = [&](qint32 index) {
        return ignoresCase ? QStringView(newKeys[size_t(index)])
                           : QStringView(plan.rows[size_t(index)].newName);
    };
    for (qsizetype index = 0; index < qsizetype(plan.rows.size()); ++index) {
        PlannedRename& row = plan.rows[size_t(index)];
        const Found& facts = found[size_t(index)];
        if (row.mark == PlanMark::Renames && !facts.sameKey) {
            std::optional<qsizetype> holder;
            if (facts.newNumber >= 0) {
                if (holders[size_t(facts.newNumber)] != kFreed)
                    holder = holders[size_t(facts.newNumber)];
            } else if (const qint32 earlier =
                           given.Find(newKeyOf(qint32(index)), facts.newHash, newKeyOf);
                       earlier >= 0) {
                holder = earlier;
            }
            if (!holder) {
                // Nobody holds the name: the rename takes it.
            } else if (*holder >= 0) {
                row.mark = PlanMark::SameAsEarlierRow;
            } else if (folder.sameFile && folder.sameFile(row.oldName, row.newName)) {
                row.mark = PlanMark::NothingToDo;
            } else if (*holder < kFromTheStart && FromTheStartPlannedAt(*holder) > index) {
                row.mark = PlanMark::NameTakenUntilLater;
            } else {
                row.mark = PlanMark::NameTaken;
            }
        }
        // A row that renames was found in the folder.
        if (row.mark == PlanMark::Renames && facts.oldNumber >= 0) {
            holders[size_t(facts.oldNumber)] = kFreed;
            if (facts.newNumber >= 0)
                holders[size_t(facts.newNumber)] = index;
            else
                given.Insert(facts.newHash, qint32(index));
        }
        if (row.mark == PlanMark::NothingToDo)
            ++plan.unchanged;
        else
            ++plan.changes;
        if (row.Fails())
            ++plan.failures;
    }
    return plan;
}

QString PlanDetails(const RenamePlan& plan) {
    QString unchanged;
    if (plan.unchanged > 0)
        unchanged = rename_texts::PlanUnchanged.toString().arg(plan.unchanged);
    QStringList lines;
    lines.reserve(qsizetype(plan.rows.size()) + 1);
    lines << rename_texts::PlanCounts.toString().arg(QString::number(plan.changes),
                                                     QString::number(plan.failures), unchanged);
    for (const PlannedRename& row : plan.rows) {
        if (row.mark == PlanMark::Renames)
            lines << rename_texts::PlanRenameLine.toString().arg(row.oldName, row.newName);
        else if (row.mark == PlanMark::NothingToDo)
            lines << rename_texts::PlanUnchangedLine.toString().arg(row.oldName);
        else
            lines << rename_texts::PlanFailureLine.toString().arg(row.oldName, row.newName,
                                                                  PlanMarkReason(row.mark));
    }
    return lines.join(u'\n');
}

}  // namespace miravel
