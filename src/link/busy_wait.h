#pragma once
// The busy check, and the wait that holds a settings write back until the
// printer has finished printing (with a Cancel button).
#include <cstdint>
#include <functional>

#include "link/channel.h"
#include "link/status_query.h"
#include "link/wait_form.h"

namespace orvan::link {

inline constexpr ResultCode kPositionBusy = -0x0102DD00;
inline constexpr ResultCode kPositionBusyToo = -0x0102DC00;
inline constexpr std::uint8_t kPositionNotBusyBit = 0x04;
inline constexpr int kWaitTickMs = 500;

enum class WaitState : std::int16_t { Idle = 0, Waiting = 1, Free = 2, Cancelled = -2 };

class BusyWait {
  public:
    // The severity of a result comes from the error catalogue, a layer above.
    using Classifier = std::function<Severity(ResultCode)>;

    // timer1 is the monitor timer: off while the wait window is up.
    BusyWait(Channel& channel, StatusQuery& status, Classifier classify, ui::Timer& timer1);
    ~BusyWait();
    BusyWait(const BusyWait&) = delete;
    BusyWait& operator=(const BusyWait&) = delete;

    // Whether the printer is printing or otherwise occupied. A failing
    // library counts as busy, so nothing is written to it.
    bool isBusy();

    // True when the caller may go on writing; false when the user cancelled
    // the wait (or closed its window) or the monitor has ended. While the wait
    // window is up, state().busyWaitRunning is set.
    bool waitUntilFree();
    // Ends a wait in progress as if cancelled (the monitor is ending).
    void cancel();

    WaitState waitState() const { return waitState_; }
    WaitForm& form() { return wait_; }

  private:
    bool usbBusy();
    bool networkBusy();
    void onWaitTick();
    void finish(WaitState state);

    Channel& channel_;
    StatusQuery& status_;
    Classifier classify_;
    ui::Timer& timer1_;
    WaitForm wait_;
    WaitState waitState_ = WaitState::Idle;
    bool checking_ = false;
};

}  // namespace orvan::link
