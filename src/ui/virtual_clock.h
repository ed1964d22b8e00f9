#pragma once
// Deterministic event loop for tests: time stands still until a wait asks for
// the next event, which advances the clock to the earliest due timer and
// fires it. No test ever sleeps.
#include <cstdint>
#include <functional>
#include <map>
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
    // Moves the clock forward by ms, firing every timer that falls due on the way.
    void advance(std::int64_t ms);

    // Runs when a wait finds no timer to fire: a test clicks a modal window's
    // button here. Without it such a wait throws EventLoopStalled, so a test
    // that forgets to answer fails instead of hanging.
    std::function<void()> onIdle;

    int waits() const { return waits_; }

private:
    struct Slot {
        std::int64_t due = -1;  // -1: not running
        int observer = 0;
    };
    void rearm(Timer& t);
    Timer* nextDue() const;
    void fire(Timer& t);

    std::map<Timer*, Slot> timers_;
    std::int64_t now_ = 0;
    std::uint64_t order_ = 0;
    int waits_ = 0;
};

}  // namespace orvan::ui
