#pragma once
// Deterministic event loop for tests: time stands still until a wait asks for
// the next event, which advances the clock to the earliest due timer and
// fires it. No test ever sleeps.
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <stdexcept>

#include "ui/event_loop.h"

namespace orvan::ui {

class EventLoopStalled : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class VirtualClockLoop : public EventLoop {
  public:
    ~VirtualClockLoop() override;

    void processEvents() override;  // fires timers due now; the clock stays
    void waitForEvents() override;  // advances to the next due timer, or idles
    void attach(Timer& timer) override;
    void detach(Timer& timer) override;

    std::int64_t now() const { return now_; }
    // Moves the clock forward by ms, firing every timer that falls due on the
    // way. A handler that waits itself may carry the clock further; it never
    // goes back.
    void advance(std::int64_t ms);

    // Runs when a wait finds no timer to fire: a test clicks a modal window's
    // button here. Without it such a wait throws EventLoopStalled, so a test
    // that forgets to answer fails instead of hanging.
    std::function<void()> onIdle;

    int waits() const { return waits_; }

  private:
    struct Slot {
        std::int64_t due = -1;    // -1: not running
        std::uint64_t armed = 0;  // timers due together fire in the order they were armed
        int observer = 0;
        std::weak_ptr<const void> alive;
    };
    void rearm(Timer& t);
    Timer* nextDue();
    void fire(Timer& t);

    std::map<Timer*, Slot> timers_;
    std::int64_t now_ = 0;
    std::uint64_t order_ = 0;
    int waits_ = 0;
};

}  // namespace orvan::ui
