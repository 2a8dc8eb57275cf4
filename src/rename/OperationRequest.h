#pragma once

#include <QMetaType>
#include <QString>
#include <variant>

#include "rename/AddStringOperation.h"
#include "rename/BatchRename.h"
#include "rename/DeleteNumberedOperation.h"
#include "rename/SerialOperation.h"

namespace miravel {

// The replace panel's fields as typed.
struct ReplaceFields {
    QString find;
    QString with;
};

// One operation with its panel's fields: what a panel asks to run.
using OperationRequest = std::variant<ReplaceFields, AddStringFields, SerialFields, DeleteFields>;

BatchOperation MakeBatchOperation(const OperationRequest& request);

}  // namespace miravel

Q_DECLARE_METATYPE(miravel::OperationRequest)
