#pragma once
// One link operation at a time.
//
// A pause between attempts, a discovery and the busy wait let window events
// run while they wait. A user gesture handled then must not start a second
// link operation: it would share the printer with the one that is waiting
// (and, before, its request bytes). Every control whose handler starts a link
// operation - a tab click, the printer combos, every Update, Refresh, Clear
// and Scan button, the tray's menu items - gets its handler through
// whenLinkIdle:
//
//     Cmd1[0].onClick = link::whenLinkIdle(state, [this] { update(); });
//
// A control whose own value has already moved when the handler runs (a tab
// control, a combo) also passes how to put it back, so that an ignored
// gesture leaves the screen on what is being watched:
//
//     SSTab1.onClick = link::whenLinkIdle(state, [this] { tabClicked(); },
//                                         [this] { SSTab1.setTab(shownTab); });
#include "link/link_state.h"
#include "ui/control.h"
#include "ui/message_box.h"

namespace orvan::link {

// The handler for a gesture that starts a link operation: it runs `handler`
// unless a link operation is waiting for window events (state.linkBusy()) or
// the monitor has ended; then it runs `putBack` instead (when given). While
// the handler runs, the pointer shows busy. Setting
// the control back may raise its event again; that second call finds the
// value unchanged and does nothing further.
ui::Control::Handler whenLinkIdle(const LinkState& state, ui::Control::Handler handler,
                                  ui::Control::Handler putBack = {});

// Raises a flag of the link state for as long as it lives and then restores
// what the flag was before, so a nested use never lowers it early.
class RaisedFlag {
  public:
    explicit RaisedFlag(bool& flag) : flag_(flag), before_(flag) { flag_ = true; }
    ~RaisedFlag() { flag_ = before_; }
    RaisedFlag(const RaisedFlag&) = delete;
    RaisedFlag& operator=(const RaisedFlag&) = delete;

  private:
    bool& flag_;
    bool before_;
};

// Counts a link operation as waiting for window events while it lives.
class WaitingForEvents {
  public:
    explicit WaitingForEvents(LinkState& state) : state_(state) { ++state_.waitingOperations; }
    ~WaitingForEvents() { --state_.waitingOperations; }
    WaitingForEvents(const WaitingForEvents&) = delete;
    WaitingForEvents& operator=(const WaitingForEvents&) = delete;

  private:
    LinkState& state_;
};

// Message boxes that hold the link while they are open. A box runs a nested
// event loop: without the hold the monitor cycle would go on under a
// question, could lose the printer it was asked about and move to another
// one, and the confirmed write would then reach that other printer. While a
// box is open the cycle skips and no gesture starts another operation, so
// what follows the answer goes to the printer that was on screen, or (when
// that one is gone) fails there.
class LinkHoldingBoxes : public ui::MessageBoxes {
  public:
    LinkHoldingBoxes(ui::MessageBoxes& boxes, LinkState& state) : boxes_(boxes), state_(state) {}
    // The question is the user's turn: the arrow, not the busy pointer.
    ui::Answer show(const std::string& text, ui::Icon icon, ui::Buttons buttons) override {
        const WaitingForEvents waiting(state_);
        const bool busy = state_.pointer && state_.pointer->busy();
        if (busy) state_.pointer->setBusy(false);
        const ui::Answer answer = boxes_.show(text, icon, buttons);
        if (busy) state_.pointer->setBusy(true);
        return answer;
    }

  private:
    ui::MessageBoxes& boxes_;
    LinkState& state_;
};

// Keeps the printer a modal dialog was opened for as the watched one while
// the dialog is up: the monitor cycle still queries the status (and so
// notices a lost printer), but does not rebuild the list and move to another
// printer, whose settings the dialog would then write. A lost printer leaves
// the dialog with "Printer is not found." until it closes.
class PinnedPrinter {
  public:
    explicit PinnedPrinter(LinkState& state) : state_(state) { ++state_.pinnedScreens; }
    ~PinnedPrinter() { --state_.pinnedScreens; }
    PinnedPrinter(const PinnedPrinter&) = delete;
    PinnedPrinter& operator=(const PinnedPrinter&) = delete;

  private:
    LinkState& state_;
};

}  // namespace orvan::link
