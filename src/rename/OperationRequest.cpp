#include "rename/OperationRequest.h"

#include "rename/ReplaceOperation.h"

namespace miravel {

namespace {

struct OperationMaker {
    BatchOperation operator()(const ReplaceFields& fields) const {
        return MakeReplaceOperation(fields.find, fields.with);
    }
    BatchOperation operator()(const AddStringFields& fields) const {
        return MakeAddStringOperation(fields);
    }
    BatchOperation operator()(const SerialFields& fields) const {
        return MakeSerialOperation(fields);
    }
    BatchOperation operator()(const DeleteFields& fields) const {
        return MakeDeleteNumberedOperation(fields);
    }
};

}  // namespace

BatchOperation MakeBatchOperation(const OperationRequest& request) {
    return std::visit(OperationMaker{}, request);
}

}  // namespace miravel
