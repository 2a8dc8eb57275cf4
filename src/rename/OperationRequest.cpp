#include "rename/OperationRequest.h"

#include "rename/PatternReplace.h"
#include "rename/ReplaceOperation.h"

namespace miravel {

namespace {

struct OperationMaker {
    const RowDatesLookup& rowDates;

    BatchOperation operator()(const ReplaceFields& fields) const {
        // Both boxes off is the plain replace the program always had, texts and all.
        if (!fields.regex && !fields.replaceAll)
            return MakeReplaceOperation(fields.find, fields.with);
        return MakePatternReplaceOperation(
            {fields.find, fields.with, fields.regex, fields.replaceAll});
    }
    BatchOperation operator()(const AddStringFields& fields) const {
        return MakeAddStringOperation(fields, rowDates);
    }
    BatchOperation operator()(const SerialFields& fields) const {
        return MakeSerialOperation(fields);
    }
    BatchOperation operator()(const DeleteFields& fields) const {
        return MakeDeleteNumberedOperation(fields);
    }
    BatchOperation operator()(const ConvertFields& fields) const {
        return MakeConversionOperation(fields.conversion, fields.scope);
    }
};

}  // namespace

BatchOperation MakeBatchOperation(const OperationRequest& request, const RowDatesLookup& rowDates) {
    return std::visit(OperationMaker{rowDates}, request);
}

bool NeedsDatesTaken(const OperationRequest& request) {
    const auto* add = std::get_if<AddStringFields>(&request);
    return add && NeedsDateTaken(add->text);
}

}  // namespace miravel
