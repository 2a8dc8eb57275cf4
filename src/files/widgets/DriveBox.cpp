#include "files/widgets/DriveBox.h"

#include <QSignalBlocker>

#include "platform/DriveRoots.h"

namespace miravel {

DriveBox::DriveBox(QWidget* parent) : QComboBox(parent) {
    connect(this, &QComboBox::currentIndexChanged, this,
            [this] { Q_EMIT RootChosen(currentData().toString()); });
}

void DriveBox::ShowRootsFor(const QStringList& roots, const QString& folder) {
    QSignalBlocker blocker(this);
    clear();
    for (const QString& root : roots)
        addItem(root, root);
    const int index = RootIndexFor(roots, folder);
    if (index >= 0)
        setCurrentIndex(index);
}

}  // namespace miravel
