#include "rename/CaseVariants.h"

#include <bitset>

namespace miravel {

namespace {

constexpr char32_t kUnits = 0x10000;

// Every unit that a comparison ignoring case can take for another: cased letters, the cases
// they turn into, and surrogates, whose pairs may be cased letters.
const std::bitset<kUnits>& CasedUnits() {
    static const std::bitset<kUnits> cased = [] {
        std::bitset<kUnits> units;
        for (char32_t unit = 0; unit < kUnits; ++unit) {
            if (QChar::isSurrogate(unit)) {
                units.set(unit);
                continue;
            }
            for (const char32_t other : {QChar::toCaseFolded(unit), QChar::toLower(unit),
                                         QChar::toUpper(unit), QChar::toTitleCase(unit)}) {
                if (other == unit)
                    continue;
                units.set(unit);
                if (other < kUnits)
                    units.set(other);
            }
        }
        return units;
    }();
    return cased;
}

}  // namespace

bool HasCaseVariants(QStringView text) {
    const std::bitset<kUnits>& cased = CasedUnits();
    for (const QChar unit : text)
        if (cased[unit.unicode()])
            return true;
    return false;
}

}  // namespace miravel
