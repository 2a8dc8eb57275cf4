#pragma once

#include <QLabel>

namespace miravel {

// An example of names on one line: too long for its room, it ends in "…" rather than breaking
// a name across lines. Whoever sets the text keeps the whole of it in the tooltip.
class ExampleLabel : public QLabel {
    Q_OBJECT

  public:
    using QLabel::QLabel;

    QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace miravel
