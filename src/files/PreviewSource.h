#pragma once

#include <QString>

namespace miravel {

// How a row's cell of the preview column reads.
enum class PreviewKind : int {
    Empty,      // not selected, or skipped by the operation
    Renames,    // the new name
    Unchanged,  // the new name is the old one
    Fails,      // the new name, which the rename is expected to refuse for `reason`
};

struct PreviewCell {
    PreviewKind kind = PreviewKind::Empty;
    QString newName;
    QString reason;
};

// Where the file table finds its preview column: each cell is made when a view asks for it, so
// a change costs the plan, never a hundred thousand texts.
class PreviewSource {
  public:
    virtual ~PreviewSource() = default;
    virtual PreviewCell Cell(int row) const = 0;
    // Why the column is empty for every row: the operation's refused input; empty otherwise.
    virtual QString Problem() const = 0;
};

}  // namespace miravel
