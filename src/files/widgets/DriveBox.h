#pragma once

#include <QComboBox>

namespace miravel {

// The mounted volumes' roots (Drive1); choosing one asks for it to be opened.
class DriveBox : public QComboBox {
    Q_OBJECT

  public:
    explicit DriveBox(QWidget* parent = nullptr);

    // Lists the roots with the folder's own chosen, silently: the folder is opened already.
    void ShowRootsFor(const QStringList& roots, const QString& folder);

  Q_SIGNALS:
    void RootChosen(const QString& root);
};

}  // namespace miravel
