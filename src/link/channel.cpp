#include "link/channel.h"

#include "link/link_guard.h"

namespace orvan::link {

Channel::Channel(LinkState& state, CommandLibrary& commands, SettingsLibrary& settings,
                 ui::EventLoop& loop, ui::Timer& timer2)
    : state_(state), commands_(commands), settings_(settings), loop_(loop), timer2_(timer2) {
    timer2_.setEnabled(false);
    timer2_.onTick = [this] { endPause(); };
    loop_.attach(timer2_);
}

ResultCode Channel::attempt(Retry retry, const std::function<ResultCode()>& call) {
    if (state_.printerCount == 0 || state_.ended) return 0;
    ResultCode result = 0;
    for (int n = 1; n <= kAttempts; ++n) {
        result = call();
        if (result <= 0) break;
        if (retry == Retry::Never) break;
        if (retry == Retry::WhenBusyFlag && !state_.retryWhenBusy) break;
        if (n == kAttempts) break;
        pause();
        if (state_.ended) break;
    }
    return result;
}

void Channel::pause() {
    if (state_.ended) return;
    // The operation stays "waiting" for the whole pause, even after Timer2 has
    // ticked under a message box opened meanwhile.
    WaitingForEvents waiting(state_);
    state_.pauseActive = true;
    // Restarted, not merely kept on: a pause that began under another one
    // gets its full second too.
    timer2_.setEnabled(false);
    timer2_.setInterval(kPauseMs);
    timer2_.setEnabled(true);
    while (state_.pauseActive && !state_.ended) loop_.waitForEvents();
}

void Channel::endPause() {
    state_.pauseActive = false;
    timer2_.setEnabled(false);
}

}  // namespace orvan::link
