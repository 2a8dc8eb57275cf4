#include "rename/RenamePlan.h"

#include <QHash>

#include "platform/FileNameCodec.h"
#include "rename/FileNameRules.h"
#include "rename/RenameTexts.h"

namespace miravel {

namespace {

// Who holds a name in the folder while the run is followed: the planned row that gave it the
// name (0 and up), or a file that was there from the start: -1, or -2 - i when planned row i
// is that file, which a name freed further down the table needs to know.
using Holders = QHash<QString, qsizetype>;
constexpr qsizetype kFromTheStart = -1;
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
                       const FolderEntries& folder) {
    const auto key = [&folder](const QString& name) {
        return folder.ignoresCase ? name.toCaseFolded() : name;
    };

    RenamePlan plan;
    plan.selectedCount = selectedNames.size();
    for (qsizetype index = 0; index < selectedNames.size(); ++index) {
        std::optional<QString> name = newName(selectedNames[index], qint64(index));
        if (!name)
            continue;
        // Compared, shown and renamed as the bytes the disk will hold.
        plan.rows.push_back(
            {selectedNames[index], CanonicalFileName(*name), PlanMark::Renames, index});
    }

    // Each hash operation counts at a hundred thousand rows: every name is looked up once here
    // and at most three times more below.
    Holders holders;
    holders.reserve(folder.names.size());
    for (const QString& name : folder.names)
        holders.insert(key(name), kFromTheStart);
    std::vector<char> present(plan.rows.size(), 0);
    for (size_t index = 0; index < plan.rows.size(); ++index) {
        const auto holder = holders.find(key(plan.rows[index].oldName));
        if (holder != holders.end()) {
            *holder = FromTheStartPlannedAt(qsizetype(index));
            present[index] = 1;
        }
    }

    // The checks come in the order in which the rename itself meets them, so the mark is the
    // failure the rename will report.
    for (qsizetype index = 0; index < qsizetype(plan.rows.size()); ++index) {
        PlannedRename& row = plan.rows[size_t(index)];
        const QString oldKey = key(row.oldName);
        const QString newKey = key(row.newName);
        if (!IsSafeBareName(row.newName) || !IsSafeBareName(row.oldName)) {
            row.mark = PlanMark::UnusableName;
        } else if (!present[size_t(index)]) {
            row.mark = PlanMark::Missing;
        } else if (row.newName == row.oldName) {
            row.mark = PlanMark::NothingToDo;
        } else if (TooLong(row.newName)) {
            row.mark = PlanMark::NameTooLong;
        } else if (const auto found =
                       newKey != oldKey ? holders.constFind(newKey) : holders.constEnd();
                   found != holders.constEnd()) {
            const qsizetype holder = *found;
            if (holder >= 0)
                row.mark = PlanMark::SameAsEarlierRow;
            else if (folder.sameFile && folder.sameFile(row.oldName, row.newName))
                row.mark = PlanMark::NothingToDo;
            else if (holder < kFromTheStart && FromTheStartPlannedAt(holder) > index)
                row.mark = PlanMark::NameTakenUntilLater;
            else
                row.mark = PlanMark::NameTaken;
        }
        if (row.mark == PlanMark::Renames) {
            holders.remove(oldKey);
            holders.insert(newKey, index);
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
