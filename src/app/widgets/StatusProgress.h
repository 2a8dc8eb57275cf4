#pragma once

#include <QElapsedTimer>
#include <QObject>

#include "platform/WorkProgress.h"

class QProgressBar;
class QStatusBar;
class QWidget;

namespace miravel {

// A bar in the status bar, with the busy pointer over the window, for work that has run
// longer than a moment. The work stays on the one thread: the bar is repainted directly and
// no event is handled, so no user input gets in before the work ends.
class StatusProgress : public QObject, public WorkProgress {
    Q_OBJECT

  public:
    explicit StatusProgress(QWidget* window);
    // Places the bar, hidden, at the status bar's right end.
    void AttachTo(QStatusBar* statusBar);

    void Begin(qint64 total) override;
    void Advance(qint64 done) override;
    void End() override;

    // How long work runs before the bar appears.
    void SetDelayMs(qint64 delayMs) { delayMs_ = delayMs; }
    QProgressBar* Bar() const { return bar_; }

  Q_SIGNALS:
    // The bar has just been shown and painted.
    void Appeared(qint64 total);

  private:
    void Show(qint64 done);
    void Paint(qint64 done);

    QStatusBar* statusBar_ = nullptr;
    QWidget* window_;
    QProgressBar* bar_;
    QElapsedTimer clock_;
    qint64 delayMs_ = 330;
    qint64 total_ = 0;
    qint64 lastPaintMs_ = 0;
    int depth_ = 0;
    bool shown_ = false;
};

}  // namespace miravel
