#pragma once

#include <QString>
#include <QStringView>
#include <optional>

#include "rename/BatchRename.h"

namespace miravel {

// What the delete panel removes; the values are the option buttons' indexes.
enum class DeleteMode { StringsAndNumber = 0, NumberOnly = 1 };

// The delete panel's fields as typed.
struct DeleteFields {
    QString start;  // text before the number
    QString end;    // text after the number
    DeleteMode mode = DeleteMode::StringsAndNumber;
    bool operator==(const DeleteFields&) const = default;
};

// The first failing input check of a delete run, as its error text.
std::optional<QString> DeleteCheck(const DeleteFields& fields);

// The name with its first marker (found in the base only) removed whole or emptied of its
// number; nothing when the base holds no marker.
std::optional<QString> DeleteNumberedName(QStringView name, const DeleteFields& fields);

// The two example labels; `struck` while the fields would be refused, and then the after
// text repeats the before text.
struct DeletePreview {
    QString before;
    QString after;
    bool struck = false;
};
DeletePreview DeletePreviewTexts(const DeleteFields& fields);
// True when a run would refuse these fields (both empty, or either numeric).
bool DeleteFieldsRefused(const DeleteFields& fields);

BatchOperation MakeDeleteNumberedOperation(const DeleteFields& fields);

}  // namespace miravel
