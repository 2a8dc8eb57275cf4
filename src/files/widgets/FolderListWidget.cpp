#include "files/widgets/FolderListWidget.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QStyle>
#include <QStyledItemDelegate>
#include <algorithm>

#include "files/DroppedPaths.h"
#include "files/NaturalOrder.h"
#include "platform/FileSystem.h"

namespace miravel {

namespace {

constexpr int kPathRole = Qt::UserRole + 1;

QString WithoutTrailingSeparator(QString path) {
    while (path.size() > 1 && path.endsWith(QLatin1Char('/')))
        path.chop(1);
    return path;
}

// Draws an entry moved right by its level: spaces would indent by the width of a space,
// which differs between scripts and fonts.
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

}  // namespace

FolderListWidget::FolderListWidget(FileSystem& fileSystem, QWidget* parent)
    : QListWidget(parent), fileSystem_(fileSystem) {
    setItemDelegate(new LevelIndentDelegate(this));
    // Drops from a file manager only; the entries themselves are not dragged.
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
    Rebuild();
    Q_EMIT PathChanged(path_);
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

    QStringList children = fileSystem_.ListFolders(path_);
    std::vector<std::pair<QString, QString>> keyed;
    keyed.reserve(size_t(children.size()));
    for (const QString& child : children)
        keyed.emplace_back(NaturalSortKey(child), child);
    std::sort(keyed.begin(), keyed.end(),
              [](const auto& a, const auto& b) { return NaturalCompare(a.first, b.first) < 0; });
    const QString prefix = FolderPrefix(path_);
    for (const auto& child : keyed)
        AddEntry(closedIcon, child.second, prefix + child.second, level);
}

QListWidgetItem* FolderListWidget::AddEntry(const QIcon& icon, const QString& name,
                                            const QString& path, int level) {
    auto* item = new QListWidgetItem(icon, name, this);
    item->setData(kPathRole, path);
    item->setData(kLevelRole, level);
    return item;
}

bool FolderListWidget::OpenDropped(const QMimeData& payload) {
    if (!payload.hasUrls())
        return false;
    const DroppedPaths dropped = FolderForDroppedUrls(
        payload.urls(), [this](const QString& path) { return fileSystem_.FolderExists(path); },
        [this](const QString& path) { return fileSystem_.FileExists(path); });
    if (dropped.folder.isEmpty())
        return false;
    SetPath(dropped.folder);
    if (!dropped.files.isEmpty())
        Q_EMIT FilesDropped(dropped.files);
    return true;
}

namespace {

// A file manager takes an accepted move as leave to delete its entries: only a copy is taken.
void AcceptAsCopy(QDropEvent* event) {
    if (event->mimeData()->hasUrls() && (event->possibleActions() & Qt::CopyAction)) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->ignore();
    }
}

}  // namespace

void FolderListWidget::dragEnterEvent(QDragEnterEvent* event) {
    AcceptAsCopy(event);
}

void FolderListWidget::dragMoveEvent(QDragMoveEvent* event) {
    AcceptAsCopy(event);
}

void FolderListWidget::dropEvent(QDropEvent* event) {
    if (!(event->possibleActions() & Qt::CopyAction) || !OpenDropped(*event->mimeData())) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

}  // namespace miravel
