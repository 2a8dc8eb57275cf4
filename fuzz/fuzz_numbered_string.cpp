// The numbered marker search and the delete operation built on it: a match is a number that
// really stands between the two texts, and deleting a marker never lengthens a name, never
// touches the extension and never cuts a character in two.
#include "FuzzSupport.h"
#include "rename/DeleteNumberedOperation.h"
#include "rename/NameSplit.h"
#include "rename/NumberedString.h"
#include "rename/NumericText.h"

using namespace miravel;
using namespace miravel::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const QString start = TypedText(input, 12);
    const QString end = TypedText(input, 12);
    const auto mode = input.ConsumeBool() ? DeleteMode::NumberOnly : DeleteMode::StringsAndNumber;
    const QString name = DiskName(input.ConsumeRemainingBytesAsString());
    const NameParts parts = SplitFileName(name);

    const std::optional<QString> number = MatchNumberedString(parts.base, start, end);
    if (number) {
        FUZZ_CHECK(IsNumericText(*number));
        FUZZ_CHECK(!start.isEmpty() || !end.isEmpty());
        FUZZ_CHECK(parts.base.contains(start + *number + end));
        if (!start.isEmpty())
            FUZZ_CHECK(parts.base.indexOf(start) == parts.base.indexOf(start + *number + end));
    }

    const DeleteFields fields{start, end, mode};
    const std::optional<QString> deleted = DeleteNumberedName(name, fields);
    FUZZ_CHECK(deleted.has_value() == number.has_value());
    if (!deleted)
        return 0;
    FUZZ_CHECK(deleted->size() <= name.size());
    const qsizetype removed = mode == DeleteMode::NumberOnly
                                  ? number->size()
                                  : start.size() + number->size() + end.size();
    FUZZ_CHECK(deleted->size() == name.size() - removed);
    if (parts.hasDot)
        FUZZ_CHECK(deleted->endsWith(u'.' + parts.extension));
    FUZZ_CHECK(!IsWellFormed(name) || IsWellFormed(*deleted));
    // Whatever the marker held, nothing new can appear: every character comes from the name.
    FUZZ_CHECK(name.contains(u'/') || !deleted->contains(u'/'));
    FUZZ_CHECK(name.contains(QChar(0)) || !deleted->contains(QChar(0)));
    return 0;
}
