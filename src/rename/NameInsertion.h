#pragma once

#include <QString>
#include <QStringView>

namespace miravel {

// Where the add and serial panels put their text; the values are the option buttons' indexes.
enum class Placement { Head = 0, Tail = 1, Position = 2 };

// The first `position` UTF-16 code units of the text; a position beyond it gives the whole
// text, and a position inside a surrogate pair moves past the pair so that no character is
// ever cut in two.
qsizetype InsertionPoint(QStringView text, qsizetype position);

// The name with `block` put in by placement: before the whole name (Head), at the end of the
// base (Tail), or after `position` code units of the base (Position; 0 is before the base,
// at or beyond the base's length is the same as Tail). The extension always stays last.
QString InsertIntoName(QStringView name, QStringView block, Placement placement,
                       qsizetype position);

// The same insertion into a sample base of the live examples (no extension involved).
QString InsertIntoBase(QStringView base, QStringView block, Placement placement,
                       qsizetype position);

}  // namespace miravel
