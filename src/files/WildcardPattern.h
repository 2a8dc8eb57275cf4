#pragma once

#include <QString>
#include <QStringView>
#include <vector>

namespace miravel {

// A search pattern as typed: "*" any run, "?" one character, ";" separates alternatives,
// case ignored, "*.*" also matches names without a dot. A pattern without any non-blank
// alternative matches every name.
class WildcardPattern {
public:
    explicit WildcardPattern(const QString& pattern);
    bool Matches(QStringView name) const;

private:
    std::vector<QString> alternatives_;  // case-folded
    bool matchesAll_ = false;
};

}  // namespace miravel
