// Every operation's new name, composed from any name a folder can hold and any texts a user
// can type: no separator or NUL appears unless an inserted text brought it, the batch run
// never hands such a name (or an empty, "." or "..") to the file system, no character is cut
// in two, and the bytes of the old name outside the change stay exactly as they were.
#include "FuzzSupport.h"
#include "platform/FileNameCodec.h"
#include "platform/FileSystem.h"
#include "platform/MessageBoxes.h"
#include "rename/AddStringOperation.h"
#include "rename/BatchPrompts.h"
#include "rename/BatchRename.h"
#include "rename/DeleteNumberedOperation.h"
#include "rename/NameInsertion.h"
#include "rename/NameSplit.h"
#include "rename/ReplaceOperation.h"
#include "rename/SerialNumber.h"
#include "rename/SerialOperation.h"

using namespace miravel;
using namespace miravel::fuzz;

namespace {

class RecordingFileSystem : public FileSystem {
  public:
    RenameOutcome RenameInFolder(const QString& folder, const QString& oldName,
                                 const QString& newName) override {
        ++calls;
        lastFolder = folder;
        lastOld = oldName;
        lastNew = newName;
        return {RenameOutcome::Kind::Renamed, {}};
    }
    // A batch renames files: the same record.
    RenameOutcome RenameFileInFolder(const QString& folder, const QString& oldName,
                                     const QString& newName) override {
        return RenameInFolder(folder, oldName, newName);
    }
    int calls = 0;
    QString lastFolder, lastOld, lastNew;
};

class CountingBoxes : public MessageBoxes {
  public:
    void Error(const QString&, const QString&) override { ++errors; }
    bool Confirm(const QString&, const QString&, const QString&) override {
        ++confirms;
        return true;
    }
    int errors = 0;
    int confirms = 0;
};

bool Unsafe(const QString& name) {
    return name.isEmpty() || name == u"." || name == u".." || name.contains(u'/') ||
           name.contains(QChar(0));
}

bool Brings(const QString& text, QChar c) {
    return text.contains(c);
}

// The composed name may hold "/" or NUL only where the old name or an inserted text held it.
void CheckNoNewSeparator(const QString& composed, const QString& name, const QString& insertedA,
                         const QString& insertedB) {
    for (const QChar c : {QChar(u'/'), QChar(0)}) {
        if (composed.contains(c))
            FUZZ_CHECK(Brings(name, c) || Brings(insertedA, c) || Brings(insertedB, c));
    }
}

// The whole batch path for one row: a refused check shows one box and renames nothing; an
// unsafe name never reaches the file system; any other new name reaches it exactly once.
void CheckBatchRun(const BatchOperation& operation, const QString& name) {
    RecordingFileSystem fileSystem;
    CountingBoxes boxes;
    int refills = 0;
    const BatchRun run = PlanBatch({operation, QStringLiteral("/folder"), {name}, {}});
    if (ConfirmBatch(boxes, QStringLiteral("t"), run)) {
        const BatchResult result = ExecuteBatch(fileSystem, run);
        ReportFailures(boxes, QStringLiteral("t"), result);
        refills += result.Attempted() ? 1 : 0;
    }

    if (const std::optional<QString> problem = operation.check()) {
        FUZZ_CHECK(boxes.errors == 1 && boxes.confirms == 0 && fileSystem.calls == 0);
        return;
    }
    FUZZ_CHECK(boxes.confirms == 1);
    const std::optional<QString> composed = operation.newName(name, 0);
    if (!composed) {
        FUZZ_CHECK(fileSystem.calls == 0 && boxes.errors == 0 && refills == 0);
        return;
    }
    FUZZ_CHECK(refills == 1);
    if (Unsafe(*composed) || Unsafe(name)) {
        FUZZ_CHECK(fileSystem.calls == 0 && boxes.errors == 1);
        return;
    }
    FUZZ_CHECK(fileSystem.calls == 1 && boxes.errors == 0);
    FUZZ_CHECK(fileSystem.lastFolder == u"/folder" && fileSystem.lastOld == name &&
               fileSystem.lastNew == CanonicalFileName(*composed));
}

QByteArray Bytes(QStringView text) {
    return EncodeFileName(text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const QString first = TypedText(input, 24);
    const QString second = TypedText(input, 24);
    const auto placement = Placement(input.ConsumeIntegralInRange<int>(0, 2));
    const int position = input.ConsumeIntegralInRange<int>(0, 40);
    const qint64 start = input.ConsumeIntegral<qint64>();
    const QString digits = QString::number(input.ConsumeIntegralInRange<int>(0, 9));
    const auto mode = input.ConsumeBool() ? DeleteMode::NumberOnly : DeleteMode::StringsAndNumber;
    const std::string nameBytes = input.ConsumeRemainingBytesAsString();
    const QByteArray original(nameBytes.data(), qsizetype(nameBytes.size()));
    const QString name = DiskName(nameBytes);

    // The name itself: lossless, and its split puts it back together exactly.
    FUZZ_CHECK(Bytes(name) == original);
    const NameParts parts = SplitFileName(name);
    FUZZ_CHECK(JoinBaseAndExtension(parts.base, parts) == name);
    FUZZ_CHECK(!parts.extension.contains(u'.'));
    FUZZ_CHECK(parts.hasDot == name.contains(u'.'));
    const bool wellFormed = IsWellFormed(name);

    // Replace: the text to find is taken out, the replacement put in.
    if (const std::optional<QString> replaced = ReplacedName(name, first, second)) {
        CheckNoNewSeparator(*replaced, name, second, {});
        FUZZ_CHECK(!wellFormed || IsWellFormed(*replaced));
    }
    CheckBatchRun(MakeReplaceOperation(first, second), name);

    // Add string.
    const QString added = InsertIntoName(name, first, placement, position);
    CheckNoNewSeparator(added, name, first, {});
    FUZZ_CHECK(!wellFormed || IsWellFormed(added));
    FUZZ_CHECK(added.size() == name.size() + first.size());
    if (placement == Placement::Head)
        FUZZ_CHECK(Bytes(added) == Bytes(first) + original);
    if (placement == Placement::Tail)
        FUZZ_CHECK(Bytes(added) == Bytes(parts.base) + Bytes(first) +
                                       (parts.hasDot ? "." + Bytes(parts.extension) : ""));
    CheckBatchRun(MakeAddStringOperation({first, placement, QString::number(position)}), name);

    // Serial number, framed by the two texts.
    const SerialFields serial{first,     QString::number(start),   second, digits,
                              placement, QString::number(position)};
    const QString numbered = SerialName(name, serial, start);
    const QString block = first + FormatSerialNumber(start, ZeroPadFormat(digits)) + second;
    CheckNoNewSeparator(numbered, name, first, second);
    FUZZ_CHECK(!wellFormed || IsWellFormed(numbered));
    FUZZ_CHECK(numbered.size() == name.size() + block.size());
    if (placement == Placement::Head)
        FUZZ_CHECK(Bytes(numbered) == Bytes(block) + original);
    CheckBatchRun(MakeSerialOperation(serial), name);

    // Delete numbered string.
    const DeleteFields marker{first, second, mode};
    if (const std::optional<QString> deleted = DeleteNumberedName(name, marker)) {
        CheckNoNewSeparator(*deleted, name, {}, {});
        FUZZ_CHECK(deleted->size() <= name.size());
    }
    CheckBatchRun(MakeDeleteNumberedOperation(marker), name);
    return 0;
}
