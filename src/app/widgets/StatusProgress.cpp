#include "app/widgets/StatusProgress.h"

#include <QLayout>
#include <QProgressBar>
#include <QStatusBar>
#include <limits>

namespace miravel {

namespace {

// Painting is far slower than the work between two looks at the clock.
constexpr qint64 kRepaintEveryMs = 50;

int Clamped(qint64 value) {
    return int(std::clamp<qint64>(value, 0, std::numeric_limits<int>::max()));
}

}  // namespace

StatusProgress::StatusProgress(QWidget* window)
    : QObject(window), window_(window), bar_(new QProgressBar(window)) {
    bar_->setObjectName(QStringLiteral("progressBar"));
    bar_->setFormat(QStringLiteral("%v / %m"));
    bar_->setMaximumWidth(220);
    bar_->hide();
}

void StatusProgress::AttachTo(QStatusBar* statusBar) {
    statusBar_ = statusBar;
    statusBar_->addPermanentWidget(bar_);
    bar_->hide();
}

void StatusProgress::Begin(qint64 total) {
    total_ = total;
    if (depth_++ > 0) {
        if (shown_)
            bar_->setMaximum(Clamped(total));
        return;
    }
    shown_ = false;
    // Nothing of the last piece of work may show when this one's bar comes up.
    bar_->setRange(0, Clamped(total));
    bar_->setValue(0);
    clock_.start();
}

void StatusProgress::Advance(qint64 done) {
    if (depth_ == 0)
        return;
    const qint64 elapsed = clock_.elapsed();
    if (!shown_) {
        if (elapsed >= delayMs_)
            Show(done);
        return;
    }
    if (elapsed - lastPaintMs_ >= kRepaintEveryMs)
        Paint(done);
}

void StatusProgress::End() {
    if (depth_ == 0 || --depth_ > 0)
        return;
    if (shown_) {
        // The work is done: the bar goes out full, whatever the last look at the clock let
        // through.
        Paint(total_);
        bar_->hide();
        window_->unsetCursor();
        shown_ = false;
    }
}

void StatusProgress::Show(qint64 done) {
    shown_ = true;
    bar_->setRange(0, Clamped(total_));
    bar_->setValue(Clamped(std::min(done, total_)));
    bar_->show();
    // No event loop runs before the work ends, so any pending layout of the bar is done here.
    QWidget* area = statusBar_ ? static_cast<QWidget*>(statusBar_) : window_;
    if (QLayout* layout = area->layout())
        layout->activate();
    window_->setCursor(Qt::WaitCursor);
    Paint(done);
    area->repaint();
    Q_EMIT Appeared(total_);
}

void StatusProgress::Paint(qint64 done) {
    lastPaintMs_ = clock_.elapsed();
    bar_->setValue(Clamped(std::min(done, total_)));
    bar_->repaint();
}

}  // namespace miravel
