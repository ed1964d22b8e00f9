#pragma once
// The event loop of a program without a window: nothing happens but the
// link's own timers, so a wait sleeps until the next one is due and fires it.
#include <chrono>
#include <map>
#include <memory>
#include <optional>

#include "ui/event_loop.h"

namespace orvan::headless {

class SleepingLoop : public ui::EventLoop {
  public:
    using Clock = std::chrono::steady_clock;

    SleepingLoop() = default;
    SleepingLoop(const SleepingLoop&) = delete;
    SleepingLoop& operator=(const SleepingLoop&) = delete;
    ~SleepingLoop() override;

    void processEvents() override;
    // Sleeps until the next timer is due and fires it; returns at once when
    // no timer runs (nothing could ever wake it).
    void waitForEvents() override;
    void attach(ui::Timer& timer) override;
    void detach(ui::Timer& timer) override;

  private:
    struct Slot {
        std::optional<Clock::time_point> due;
        int observer = 0;
        std::weak_ptr<const void> alive;
    };
    void rearm(ui::Timer& timer);
    ui::Timer* nextDue();
    void fire(ui::Timer& timer);

    std::map<ui::Timer*, Slot> timers_;
};

}  // namespace orvan::headless
