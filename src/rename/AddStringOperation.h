#pragma once

#include <QString>
#include <QStringView>
#include <optional>

#include "rename/BatchRename.h"
#include "rename/DateTokens.h"
#include "rename/NameInsertion.h"

namespace miravel {

// The add panel's fields as typed.
struct AddStringFields {
    QString text;  // the text to add
    Placement placement = Placement::Head;
    QString position;  // the position field, checked whatever the placement
    bool operator==(const AddStringFields&) const = default;
};

// The first failing input check of an add run, as its error text.
std::optional<QString> AddStringCheck(const AddStringFields& fields);

// The after-example; nothing when the label keeps its previous text (a position that is not a
// number of 0 or more under "指定").
std::optional<QString> AddPreviewText(const AddStringFields& fields);

// The text may hold date tokens (<作成日> and the others), replaced by each row's own dates; a
// row whose dates are not known, or whose file has no date taken for <撮影日>, is left out.
BatchOperation MakeAddStringOperation(const AddStringFields& fields,
                                      const RowDatesLookup& rowDates = {});

}  // namespace miravel
