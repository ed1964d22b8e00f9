#pragma once
// Timers are controls too: the logic sets the interval, enables them and
// handles their tick. An event loop (Qt's, or the virtual clock in tests)
// decides when a tick happens.
#include "ui/control.h"

namespace orvan::ui {

class Timer : public Control {
  public:
    using Control::Control;
    int interval() const { return interval_; }  // milliseconds
    void setInterval(int ms) { set(interval_, ms < 0 ? 0 : ms, Property::Range); }
    bool timerEnabled() const { return enabled(); }
    // A tick: runs the handler. Loops call this when the timer is due.
    void tick() { raise(onTick); }
    Handler onTick;

  private:
    int interval_ = 0;
};

}  // namespace orvan::ui
