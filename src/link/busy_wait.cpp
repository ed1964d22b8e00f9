#include "link/busy_wait.h"

#include <algorithm>
#include <array>

#include "link/link_guard.h"

namespace orvan::link {

namespace {

// Printer states in which a write is welcome although the state is not idle.
constexpr std::array<std::int32_t, 2> kStatesNotBusy{7, 62};

// Turns the monitor timer back on however the wait ends, unless the monitor
// ended meanwhile.
struct Timer1Off {
    Timer1Off(ui::Timer& t, const LinkState& s) : timer(t), state(s) { timer.setEnabled(false); }
    ~Timer1Off() {
        if (!state.ended) timer.setEnabled(true);
    }
    ui::Timer& timer;
    const LinkState& state;
};

}  // namespace

BusyWait::BusyWait(Channel& channel, StatusQuery& status, Classifier classify, ui::Timer& timer1)
    : channel_(channel), status_(status), classify_(std::move(classify)), timer1_(timer1) {
    channel_.loop().attach(wait_.TimerWait);
    wait_.form.onLoad = [this] {
        wait_.TimerWait.setInterval(kWaitTickMs);
        wait_.TimerWait.setEnabled(true);
    };
    wait_.TimerWait.onTick = [this] { onWaitTick(); };
    wait_.CancelButton.onClick = [this] { finish(WaitState::Cancelled); };
    // Closing the window any other way is a Cancel too: the wait must end.
    wait_.form.onCloseRequested = [this] { finish(WaitState::Cancelled); };
}

BusyWait::~BusyWait() {
    channel_.loop().detach(wait_.TimerWait);
}

bool BusyWait::isBusy() {
    if (channel_.state().ended) return true;  // nothing more goes to the printer
    try {
        switch (channel_.state().selected.connection) {
            case Connection::Usb:
                return usbBusy();
            case Connection::Network:
                return networkBusy();
            default:
                return false;
        }
    } catch (...) {
        return true;
    }
}

bool BusyWait::usbBusy() {
    LinkState& st = channel_.state();
    if (st.printerCount == 0) return true;  // nothing to ask: do not write either
    PageBuffer position{};
    const ResultCode r = channel_.commands().KQCMD_ReadPosition(
        st.selected.slot, st.selected.scsiId, position.data());
    if (r > 0 || r == kPositionBusy || r == kPositionBusyToo) return true;
    if (r == 0) return (position[0] & kPositionNotBusyBit) == 0;
    return false;
}

bool BusyWait::networkBusy() {
    if (channel_.state().printerCount == 0) return true;
    ResultCode result = 0;
    std::int32_t state = 0;
    status_.query(result, state);
    const Severity severity = result < 0 ? classify_(result) : Severity::None;
    if (severity >= Severity::Error) return true;
    if (severity == Severity::Busy || state != 0)
        return std::find(kStatesNotBusy.begin(), kStatesNotBusy.end(), state) ==
               kStatesNotBusy.end();
    return false;
}

bool BusyWait::waitUntilFree() {
    if (channel_.state().ended) return false;
    if (!isBusy()) {
        waitState_ = WaitState::Free;
        return true;
    }
    Timer1Off monitorOff(timer1_, channel_.state());
    RaisedFlag running(channel_.state().busyWaitRunning);
    waitState_ = WaitState::Waiting;
    try {
        wait_.form.showModal(channel_.loop());
    } catch (...) {
        finish(WaitState::Cancelled);  // a wait that failed wrote nothing
        throw;
    }
    return waitState_ == WaitState::Free;
}

void BusyWait::cancel() {
    finish(WaitState::Cancelled);
}

void BusyWait::onWaitTick() {
    if (channel_.state().ended) {
        cancel();
        return;
    }
    // The check may process events; a tick arriving meanwhile has nothing to add.
    if (checking_) return;
    checking_ = true;
    const bool busy = isBusy();
    checking_ = false;
    if (!busy) finish(WaitState::Free);
}

// Only the first ending counts: a Cancel pressed while a check runs is not
// overturned by that check's answer.
void BusyWait::finish(WaitState state) {
    if (waitState_ != WaitState::Waiting) return;
    waitState_ = state;
    wait_.TimerWait.setEnabled(false);
    wait_.form.setVisible(false);
}

}  // namespace orvan::link
