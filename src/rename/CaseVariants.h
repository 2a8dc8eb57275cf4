#pragma once

#include <QStringView>

namespace miravel {

// Whether a search that ignores letter case could find anything in a name that the exact search
// does not: false when no unit of the text has another case or is another unit's case (digits,
// kana, kanji, most signs), so the exact search alone answers for both.
bool HasCaseVariants(QStringView text);

}  // namespace miravel
