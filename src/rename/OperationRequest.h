#pragma once

#include <QMetaType>
#include <QString>
#include <variant>

#include "rename/AddStringOperation.h"
#include "rename/BatchRename.h"
#include "rename/ConvertOperation.h"
#include "rename/DateTokens.h"
#include "rename/DeleteNumberedOperation.h"
#include "rename/SerialOperation.h"

namespace miravel {

// The replace panel's fields as typed, with its two check boxes.
struct ReplaceFields {
    QString find;
    QString with;
    bool regex = false;       // the text to find is a regular expression
    bool replaceAll = false;  // every occurrence instead of the first
    bool operator==(const ReplaceFields&) const = default;
};

// The conversion panel's two choices.
struct ConvertFields {
    Conversion conversion = Conversion::Lower;
    ConversionScope scope = ConversionScope::BaseOnly;
    bool operator==(const ConvertFields&) const = default;
};

// One operation with its panel's fields: what a panel asks to run.
using OperationRequest =
    std::variant<ReplaceFields, AddStringFields, SerialFields, DeleteFields, ConvertFields>;

// rowDates gives the rows' dates to an add whose text holds date tokens; without it such an
// add leaves every row out.
BatchOperation MakeBatchOperation(const OperationRequest& request,
                                  const RowDatesLookup& rowDates = {});

// Whether a run of the request needs the photos' dates taken.
bool NeedsDatesTaken(const OperationRequest& request);

}  // namespace miravel

Q_DECLARE_METATYPE(miravel::OperationRequest)
