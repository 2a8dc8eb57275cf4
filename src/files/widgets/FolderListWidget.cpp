#include "files/widgets/FolderListWidget.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QStyle>
#include <QStyledItemDelegate>

#include "files/DroppedPaths.h"
#include "platform/FileSystem.h"

namespace miravel {

namespace {

constexpr int kPathRole = Qt::UserRole + 1;

// Draws an entry moved right by its level: spaces would indent by the width of a space, which
// differs between scripts and fonts.
class LevelIndentDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem indented(option);
        indented.rect.setLeft(indented.rect.left() + Indent(index));
        QStyledItemDelegate::paint(painter, indented, index);
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.rwidth() += Indent(index);
        return size;
    }

  private:
    static int Indent(const QModelIndex& index) {
        return index.data(FolderListWidget::kLevelRole).toInt() * FolderListWidget::kLevelIndent;
    }
};

// A file manager takes an accepted move as leave to delete what it dragged: only a copy is
// taken, and only of local entries.
bool AcceptAsCopy(QDropEvent* event) {
    if (!(event->possibleActions() & Qt::CopyAction) ||
        LocalPathsOfUrls(event->mimeData()->urls()).isEmpty()) {
        event->ignore();
        return false;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    return true;
}

}  // namespace

FolderListWidget::FolderListWidget(QWidget* parent) : QListWidget(parent) {
    setItemDelegate(new LevelIndentDelegate(this));
    // Drops from a file manager only; the entries themselves are never dragged.
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    setDropIndicatorShown(false);
    connect(this, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { SetPath(item->data(kPathRole).toString()); });
}

void FolderListWidget::SetPath(const QString& path) {
    const QString normalized = WithoutTrailingSeparator(path);
    if (normalized.isEmpty() || normalized == path_)
        return;
    path_ = normalized;
    subFolders_.clear();  // until the folder's listing tells them
    Rebuild();
    Q_EMIT PathChanged(path_);
}

void FolderListWidget::ShowFolder(const QString& path, const QStringList& subFolders) {
    path_ = WithoutTrailingSeparator(path);
    subFolders_ = subFolders;
    Rebuild();
}

void FolderListWidget::Rebuild() {
    clear();
    const QIcon openIcon = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closedIcon = style()->standardIcon(QStyle::SP_DirClosedIcon);

    // Ancestors from the root down to the folder itself, then its sub-folders one level in.
    QStringList parts = path_.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString current = QStringLiteral("/");
    AddEntry(openIcon, current, current, 0);
    int level = 1;
    for (const QString& part : parts) {
        current = FolderPrefix(current) + part;
        AddEntry(openIcon, part, current, level++);
    }
    setCurrentRow(count() - 1);

    const QString prefix = FolderPrefix(path_);
    for (const QString& child : subFolders_)
        AddEntry(closedIcon, child, prefix + child, level);
}

void FolderListWidget::AddEntry(const QIcon& icon, const QString& name, const QString& path,
                                int level) {
    auto* item = new QListWidgetItem(icon, name, this);
    item->setData(kPathRole, path);
    item->setData(kLevelRole, level);
}

void FolderListWidget::dragEnterEvent(QDragEnterEvent* event) {
    AcceptAsCopy(event);
}

void FolderListWidget::dragMoveEvent(QDragMoveEvent* event) {
    AcceptAsCopy(event);
}

void FolderListWidget::dropEvent(QDropEvent* event) {
    if (AcceptAsCopy(event))
        Q_EMIT PathsDropped(LocalPathsOfUrls(event->mimeData()->urls()));
}

}  // namespace miravel
