#pragma once

#include <QString>
#include <optional>

namespace miravel::test {

// How "nothing" reads in the expectation tables of the rename tests.
inline const QString None = QStringLiteral("<none>");

inline QString Shown(const std::optional<QString>& text) {
    return text ? *text : None;
}

}  // namespace miravel::test
