#pragma once
// The mouse pointer over the whole program: the hourglass while a command
// that takes long (a firmware download) runs, the arrow otherwise.
#include "ui/control.h"

namespace orvan::ui {

class ScreenPointer : public Control {
  public:
    using Control::Control;
    bool busy() const { return busy_; }
    void setBusy(bool busy) { set(busy_, busy, Property::Value); }

  private:
    bool busy_ = false;
};

// Shows the hourglass for as long as it lives, then what was shown before,
// whichever way the command ends.
class BusyPointer {
  public:
    explicit BusyPointer(ScreenPointer& pointer) : pointer_(pointer), before_(pointer.busy()) {
        pointer_.setBusy(true);
    }
    ~BusyPointer() { pointer_.setBusy(before_); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;

  private:
    ScreenPointer& pointer_;
    bool before_;
};

}  // namespace orvan::ui
