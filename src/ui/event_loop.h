#pragma once
// The event pump and the timers it drives. Long operations (the one-second
// command pause, the busy wait, modal windows) process events while they
// wait; in tests a virtual clock stands behind the same interface.
#include "ui/timer.h"

namespace orvan::ui {

class EventLoop {
  public:
    virtual ~EventLoop() = default;
    // Runs what is pending now and returns at once ("DoEvents").
    virtual void processEvents() = 0;
    // Blocks until at least one event (a timer tick, a click) has run. Loops
    // that wait for a flag or a window to close call this.
    virtual void waitForEvents() = 0;
    // Timers must be attached once before they can tick.
    virtual void attach(Timer& timer) = 0;
    virtual void detach(Timer& timer) = 0;
};

}  // namespace orvan::ui
