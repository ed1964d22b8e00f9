#pragma once
// A top-level window: the main window or a dialog. Visible means shown; a
// form starts hidden, as windows do until something shows them.
#include <functional>
#include <string>

#include "ui/control.h"
#include "ui/event_loop.h"

namespace orvan::ui {

class Form : public Control {
  public:
    explicit Form(std::string name) : Control(std::move(name)) { setVisible(false); }

    bool modal() const { return modal_; }

    // Minimised to the task bar (by the window manager, or by the program
    // when there is no tray to hide in): still shown, but out of sight.
    bool minimized() const { return minimized_; }
    void setMinimized(bool v) { set(minimized_, v, Property::Value); }
    // Shown and not minimised: what the user can see.
    bool seen() const { return visible() && !minimized_; }
    // Shows the window un-minimised, on top and with the input focus, even
    // when it was shown already (observers hear Visible and then Value).
    void bringForward();

    // Shows the form modally: returns when it has been hidden again. Events
    // keep running meanwhile, so the form's own timers and buttons work. If
    // the wait throws, the form is hidden again on the way out.
    void showModal(EventLoop& loop);

    // The user asked to close the window (close box, system menu, Escape).
    // The handler decides; without one the window simply hides.
    std::function<void()> onCloseRequested;
    void requestClose();

    // Runs each time the form is shown (a dialog's load step).
    Handler onLoad;

  private:
    bool modal_ = false;
    bool minimized_ = false;
};

}  // namespace orvan::ui
