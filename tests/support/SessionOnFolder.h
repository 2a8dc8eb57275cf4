#pragma once

#include <QAbstractItemModelTester>
#include <QItemSelectionModel>
#include <QStringList>

#include "files/FileTableModel.h"
#include "platform/FileSystem.h"
#include "session/FolderSession.h"
#include "support/TempFolder.h"

namespace miravel::test {

// A folder session on a real temporary folder, its table watched by Qt's model tester.
struct SessionOnFolder {
    TempFolder folder;
    FileSystem fileSystem;
    FolderSession session{fileSystem};
    QAbstractItemModelTester tester{session.Table(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest};

    FileTableModel& Table() const { return *session.Table(); }
    // Selects exactly the rows of the given names.
    void SelectOnly(const QStringList& names) {
        QItemSelectionModel* selection = session.Selection();
        selection->clearSelection();
        for (int row = 0; row < Table().rowCount(); ++row)
            if (names.contains(Table().Row(row).name))
                selection->select(Table().index(row, 0),
                                  QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
};

}  // namespace miravel::test
