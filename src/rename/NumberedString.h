#pragma once

#include <QString>
#include <QStringView>
#include <optional>

namespace miravel {

// The number text of the first marker start + number + end in a base name, or nothing.
// Only the first occurrence of start, and the first end after it, are looked at. With only an
// end text the number is grown leftwards from it, with only a start text rightwards from it,
// one character at a time for as long as the run reads as a number; the growth stops at the
// first run that does not. An empty base, or both texts empty, never matches.
std::optional<QString> MatchNumberedString(QStringView base, QStringView start, QStringView end);

}  // namespace miravel
