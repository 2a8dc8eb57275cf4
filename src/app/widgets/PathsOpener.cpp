#include "app/widgets/PathsOpener.h"

#include <QTimer>

#include "app/StartRequest.h"
#include "files/widgets/DriveBox.h"
#include "files/widgets/NamedRowsSelection.h"
#include "platform/FileSystem.h"
#include "platform/MessageBoxes.h"
#include "session/FolderSession.h"

namespace miravel {

PathsOpener::PathsOpener(const Parts& parts, QObject* parent) : QObject(parent), parts_(parts) {}

void PathsOpener::Open(const QString& folder, const QStringList& selectNames,
                       const QString& notice) {
    if (!folder.isEmpty()) {
        // The folder's volume is chosen without opening its root: the folder follows at once.
        parts_.drives->ShowRootsFor(parts_.fileSystem->DriveRoots(), folder);
        parts_.session->OpenFolder(folder);
        if (!selectNames.isEmpty()) {
            SelectNamedRows(*parts_.view, *parts_.model, selectNames);
            parts_.session->ReportSelection();
        }
    }
    // Told after the event that asked, so that the box has the window behind it and a drop
    // has ended before a modal box opens.
    if (!notice.isEmpty())
        QTimer::singleShot(0, this,
                           [this, notice] { parts_.messages->Error(notice, parts_.caption); });
}

void PathsOpener::OpenPaths(const QStringList& paths) {
    const StartRequest request = OpenRequestForPaths(paths, QString(), [this](const QString& path) {
        return KindOfPath(*parts_.fileSystem, path);
    });
    Open(request.folder, request.selectNames, StartRequestNotice(request));
}

}  // namespace miravel
