#include "files/widgets/TableImages.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QPixmap>
#include <QStyle>

namespace miravel {

namespace {

constexpr int kWidth = 9;
constexpr int kHeight = 8;

QPixmap DrawTriangle(bool pointingUp, qreal scale) {
    QPixmap pixmap(qRound(kWidth * scale), qRound(kHeight * scale));
    pixmap.setDevicePixelRatio(scale);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    if (pointingUp) {
        path.moveTo(4.5, 0.5);
        path.lineTo(8.5, 7.5);
        path.lineTo(0.5, 7.5);
    } else {
        path.moveTo(0.5, 0.5);
        path.lineTo(8.5, 0.5);
        path.lineTo(4.5, 7.5);
    }
    path.closeSubpath();
    painter.setPen(QPen(QApplication::palette().color(QPalette::WindowText), 1.0));
    painter.drawPath(path);
    return pixmap;
}

QIcon MakeIcon(const QString& key) {
    QIcon icon;
    for (qreal scale : {1.0, 2.0, 3.0}) {
        if (key == QLatin1String("noicon")) {
            QPixmap empty(qRound(kWidth * scale), qRound(kHeight * scale));
            empty.setDevicePixelRatio(scale);
            empty.fill(Qt::transparent);
            icon.addPixmap(empty);
        } else {
            icon.addPixmap(DrawTriangle(key == QLatin1String("up"), scale));
        }
    }
    return icon;
}

}  // namespace

QIcon HeaderSortImage(const QString& key) {
    static const QIcon up = MakeIcon(QStringLiteral("up"));
    static const QIcon down = MakeIcon(QStringLiteral("down"));
    static const QIcon none = MakeIcon(QStringLiteral("noicon"));
    if (key == QLatin1String("up"))
        return up;
    if (key == QLatin1String("down"))
        return down;
    return none;
}

QIcon RowFileImage() {
    static const QIcon icon = QApplication::style()->standardIcon(QStyle::SP_FileIcon);
    return icon;
}

}  // namespace miravel
