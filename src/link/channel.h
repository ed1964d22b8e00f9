#pragma once
// The command channel: the link state, the printer libraries and the attempt
// loop with its one-second pause, shared by every link operation.
#include <functional>

#include "link/link_state.h"
#include "link/port_libraries.h"
#include "ui/event_loop.h"
#include "ui/timer.h"

namespace orvan::link {

// The USB printer a command goes to. A command takes it once, before its first
// attempt, so that every retry reaches the printer the first one addressed.
struct UsbAddress {
    std::int32_t slot = 0;
    std::int32_t scsiId = 0;
};

class Channel {
  public:
    static constexpr int kAttempts = 3;
    static constexpr int kPauseMs = 1000;

    // timer2 is the window's one-shot pause timer; the channel installs its
    // tick (clear pauseActive, stop the timer) and attaches it to the loop.
    Channel(LinkState& state, CommandLibrary& commands, SettingsLibrary& settings,
            ui::EventLoop& loop, ui::Timer& timer2);

    LinkState& state() { return state_; }
    const LinkState& state() const { return state_; }
    CommandLibrary& commands() { return commands_; }
    SettingsLibrary& settings() { return settings_; }
    ui::EventLoop& loop() { return loop_; }
    ui::Timer& pauseTimer() { return timer2_; }

    enum class Retry { Always, WhenBusyFlag, Never };

    // Up to three attempts while the call answers a positive (transient)
    // result, pausing one second between them. With Retry::WhenBusyFlag a
    // clear retryWhenBusy stops after the first attempt; Retry::Never sends
    // once (a command whose first attempt may have taken effect). Returns 0 without a
    // call when the printer count is 0 or the monitor has ended; an end during
    // a pause stops the attempts with the last result.
    //
    // `call` must send the same thing every time: its request bytes and its
    // UsbAddress are fixed before the first attempt, never read again from the
    // link state or a shared buffer, which a gesture may change meanwhile.
    ResultCode attempt(Retry retry, const std::function<ResultCode()>& call);

    // The selected USB printer's address, for a command about to start.
    UsbAddress usbAddress() const { return {state_.selected.slot, state_.selected.scsiId}; }

    // The one-second wait between attempts; window events keep running. Each
    // pause waits a whole second of its own, even when one started under
    // another (which then returns no earlier than its own second either).
    void pause();
    // Ends a pause in progress (closing the program, discovery failure).
    void endPause();

  private:
    LinkState& state_;
    CommandLibrary& commands_;
    SettingsLibrary& settings_;
    ui::EventLoop& loop_;
    ui::Timer& timer2_;
};

}  // namespace orvan::link
