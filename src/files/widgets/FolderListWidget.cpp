#include "files/widgets/FolderListWidget.h"

#include <QApplication>
#include <QStyle>
#include <algorithm>

#include "files/NaturalOrder.h"
#include "platform/FileSystem.h"

namespace miravel {

namespace {

constexpr int kPathRole = Qt::UserRole + 1;

}  // namespace

FolderListWidget::FolderListWidget(FileSystem& fileSystem, QWidget* parent)
    : QListWidget(parent), fileSystem_(fileSystem) {
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

    // Ancestors from the root down to the folder itself, indented by depth.
    QStringList parts = path_.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString current = QStringLiteral("/");
    auto* root = new QListWidgetItem(openIcon, QStringLiteral("/"), this);
    root->setData(kPathRole, current);
    int depth = 1;
    for (const QString& part : parts) {
        current = FolderPrefix(current) + part;
        auto* item =
            new QListWidgetItem(openIcon, QString(depth * 2, QLatin1Char(' ')) + part, this);
        item->setData(kPathRole, current);
        ++depth;
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
    for (const auto& child : keyed) {
        auto* item = new QListWidgetItem(closedIcon,
                                         QString(depth * 2, QLatin1Char(' ')) + child.second, this);
        item->setData(kPathRole, prefix + child.second);
    }
}

}  // namespace miravel
