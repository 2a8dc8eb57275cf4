#pragma once

#include "files/LiveListing.h"
#include "platform/WorkProgress.h"

namespace miravel {

// Passes a run's progress on, and every so many files takes in the folder's notifications, so
// that the run's own never overflow the system's queue and force the folder to be read again.
class ListeningProgress final : public WorkProgress {
  public:
    ListeningProgress(WorkProgress* shown, LiveListing& listing)
        : shown_(shown), listing_(listing) {}

    void Begin(qint64 total) override {
        if (shown_)
            shown_->Begin(total);
    }
    void Advance(qint64 done) override {
        if (shown_)
            shown_->Advance(done);
        if (++steps_ % kFilesPerLook == 0)
            listing_.CollectNotifications();
    }
    void End() override {
        if (shown_)
            shown_->End();
    }

  private:
    // A rename makes two notifications; the system's queue holds 16,384 by default.
    static constexpr qint64 kFilesPerLook = 512;

    WorkProgress* shown_;
    LiveListing& listing_;
    qint64 steps_ = 0;
};

}  // namespace miravel
