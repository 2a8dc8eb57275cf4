#include "rename/RenamePlan.h"

#include <QHash>

#include "platform/FileNameCodec.h"
#include "rename/FileNameRules.h"
#include "rename/RenameTexts.h"

namespace miravel {

namespace {

// Who holds a name in the folder while the run is followed: a file that was there from the
// start (-1) or the planned row that gave it the name.
using Holders = QHash<QString, qsizetype>;
constexpr qsizetype kFromTheStart = -1;

QString Reason(PlanMark mark) {
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
    // Where each selected file stands in the plan, to tell a name freed later in the table.
    QHash<QString, qsizetype> planIndexOf;
    planIndexOf.reserve(selectedNames.size());
    for (qsizetype index = 0; index < selectedNames.size(); ++index) {
        std::optional<QString> name = newName(selectedNames[index], qint64(index));
        if (!name)
            continue;
        planIndexOf.insert(key(selectedNames[index]), qsizetype(plan.rows.size()));
        // Compared, shown and renamed as the bytes the disk will hold.
        plan.rows.push_back({selectedNames[index], CanonicalFileName(*name), PlanMark::Renames});
    }

    Holders holders;
    holders.reserve(folder.names.size());
    for (const QString& name : folder.names)
        holders.insert(key(name), kFromTheStart);

    // The checks come in the order in which the rename itself meets them, so the mark is the
    // failure the rename will report.
    for (qsizetype index = 0; index < qsizetype(plan.rows.size()); ++index) {
        PlannedRename& row = plan.rows[size_t(index)];
        const QString oldKey = key(row.oldName);
        const QString newKey = key(row.newName);
        if (!IsSafeBareName(row.newName) || !IsSafeBareName(row.oldName)) {
            row.mark = PlanMark::UnusableName;
        } else if (!holders.contains(oldKey)) {
            row.mark = PlanMark::Missing;
        } else if (row.newName == row.oldName) {
            row.mark = PlanMark::NothingToDo;
        } else if (TooLong(row.newName)) {
            row.mark = PlanMark::NameTooLong;
        } else if (newKey != oldKey && holders.contains(newKey)) {
            const qsizetype holder = holders.value(newKey);
            const qsizetype freedAt = planIndexOf.value(newKey, kFromTheStart);
            if (holder != kFromTheStart)
                row.mark = PlanMark::SameAsEarlierRow;
            else if (folder.sameFile && folder.sameFile(row.oldName, row.newName))
                row.mark = PlanMark::NothingToDo;
            else if (freedAt > index)
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
                                                                  Reason(row.mark));
    }
    return lines.join(u'\n');
}

}  // namespace miravel
