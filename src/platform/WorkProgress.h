#pragma once

#include <QtGlobal>

namespace miravel {

// Told how far a long piece of work on the one thread has come. The work calls Advance for
// every item; a listener decides itself how often that is worth a look at the clock.
class WorkProgress {
  public:
    virtual ~WorkProgress() = default;
    virtual void Begin(qint64 total) = 0;
    virtual void Advance(qint64 done) = 0;
    virtual void End() = 0;
};

// Begin on construction, End when the scope is left by any way; a null listener is allowed.
class ProgressScope {
  public:
    ProgressScope(WorkProgress* progress, qint64 total) : progress_(progress) {
        if (progress_)
            progress_->Begin(total);
    }
    ~ProgressScope() {
        if (progress_)
            progress_->End();
    }
    ProgressScope(const ProgressScope&) = delete;
    ProgressScope& operator=(const ProgressScope&) = delete;
    void Advance(qint64 done) {
        if (progress_)
            progress_->Advance(done);
    }

  private:
    WorkProgress* progress_;
};

}  // namespace miravel
