#include "rename/widgets/ExampleLabel.h"

#include <QPainter>
#include <QStyle>
#include <algorithm>

#include "rename/PanelTexts.h"

namespace miravel {

QSize ExampleLabel::minimumSizeHint() const {
    const QSize whole = QLabel::minimumSizeHint();
    const int someNames =
        fontMetrics().horizontalAdvance(rename_texts::ExampleWidthSample.toString());
    return {std::min(whole.width(), someNames), whole.height()};
}

void ExampleLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect room = contentsRect();
    const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, room.width());
    style()->drawItemText(&painter, room, int(alignment()), palette(), isEnabled(), shown,
                          foregroundRole());
}

}  // namespace miravel
