// The date-entry parser: whatever is typed, a result is a real calendar day in the box's
// "yyyy/mm/dd" form that comes back unchanged through the edit text, and it holds the digits
// that were typed.
#include <QDate>

#include "FuzzSupport.h"
#include "files/DateEntry.h"

using namespace miravel;
using namespace miravel::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const int currentYear = input.ConsumeIntegralInRange<int>(-20000, 20000);
    const QString typed = TypedText(input, 32);

    const std::optional<QString> date = ParseDateEntry(typed, currentYear);
    if (!date)
        return 0;
    FUZZ_CHECK(date->size() == 10);
    const QDate day = QDate::fromString(*date, QStringLiteral("yyyy/MM/dd"));
    FUZZ_CHECK(day.isValid() && day.year() >= 1);

    const QString editText = DateEntryEditText(*date);
    FUZZ_CHECK(editText.size() == 8);
    FUZZ_CHECK(ParseDateEntry(editText, currentYear) == date);
    // The typed digits are the date's last digits (six typed take the century from the year).
    const QString entry = typed.trimmed();
    FUZZ_CHECK(entry.size() == 8 || entry.size() == 6);
    FUZZ_CHECK(editText.endsWith(entry));
    return 0;
}
