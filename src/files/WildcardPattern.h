#pragma once

#include <QString>
#include <QStringView>
#include <vector>

#include "platform/NameFilter.h"

namespace miravel {

// A search pattern as typed: "*" any run, "?" one character, ";" separates alternatives,
// case ignored, "*.*" also matches names without a dot. A pattern without any non-blank
// alternative matches every name.
//
// Blanks around an alternative are ignored ("*.jpg; *.png"). As in the classic listing
// rules, an alternative ending in ".*" also matches the name without that dot part, so
// "readme.*" matches "readme" and "*.*" matches every name. Matching runs in time
// proportional to name length times pattern length, whatever the stars.
class WildcardPattern : public NameFilter {
  public:
    explicit WildcardPattern(const QString& pattern);
    bool Matches(QStringView name) const;
    bool MatchesAll() const { return matchesAll_; }
    bool Accepts(QStringView name) const override { return Matches(name); }

  private:
    // Case-folded code points; '*' and '?' are the wildcards.
    using Alternative = std::vector<char32_t>;
    std::vector<Alternative> alternatives_;
    bool matchesAll_ = false;
};

}  // namespace miravel
