#pragma once

#include <QHeaderView>
#include <QTest>

#include "files/FileRow.h"
#include "files/widgets/FileTableView.h"

namespace miravel::test {

// Where to point at a row's cell, in the view's viewport.
inline QPoint CellPoint(const FileTableView& view, int row, int column) {
    return view.visualRect(view.model()->index(row, column)).center();
}

inline void ClickCell(FileTableView& view, int row, int column,
                      Qt::KeyboardModifiers modifiers = {}) {
    view.scrollTo(view.model()->index(row, column));
    QTest::mouseClick(view.viewport(), Qt::LeftButton, modifiers, CellPoint(view, row, column));
}

inline void ClickHeader(FileTableView& view, int column) {
    QHeaderView* header = view.header();
    const int x = header->sectionViewportPosition(column) + header->sectionSize(column) / 2;
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
}

// A point below the last row, where a click selects nothing.
inline QPoint EmptyPoint(const FileTableView& view) {
    return QPoint(view.viewport()->width() / 2, view.viewport()->height() - 3);
}

}  // namespace miravel::test
