#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "files/FileRow.h"

namespace miravel {

// The plain-text payload of a drag: the key of each given row, in the given order, each
// followed by "\r\n".
QString DragPayload(const std::vector<FileRow>& rows, const std::vector<int>& draggedRows);

// The dragged keys of a payload in payload order: every piece before a "\r\n". Nothing when
// the text cannot be one of our payloads (a non-empty text without "\r\n"); the empty text
// carries no keys.
std::optional<QStringList> DraggedKeys(const QString& payload);

// The rows after the dragged ones were dropped onto the row keyed targetKey: the rows not
// dragged keep their relative order, the dragged rows follow the target directly in payload
// order, and every row gets a fresh number in its new place. Dragging the target itself
// leaves it in place. Keys that name no row are ignored. Nothing when no row has targetKey.
std::optional<std::vector<FileRow>> MoveDraggedRows(const std::vector<FileRow>& rows,
                                                    const QString& targetKey,
                                                    const QStringList& draggedKeys);

}  // namespace miravel
