#pragma once
// What the link keeps about the selected printer and the session with it.
#include <array>
#include <cstdint>
#include <string>

#include "link/result_code.h"
#include "ui/screen_pointer.h"

namespace orvan::link {

enum class Connection : std::int16_t { None = -1, Usb = 0, Network = 1 };

using AddressBytes = std::array<std::uint8_t, 16>;  // IPv4 uses the first 4

struct SelectedPrinter {
    Connection connection = Connection::None;
    std::string name;
    std::int32_t slot = 0;
    std::int32_t scsiId = 0;
    AddressBytes address{};
    int listIndex = 0;
};

// The last status query's answer, decoded by the status display.
struct DeviceStatus {
    ResultCode printerResult = 0;
    std::int32_t printerState = 0;
    ResultCode laminatorResult = 0;
    std::int32_t laminatorState = 0;
    bool operator==(const DeviceStatus&) const = default;
};

// Request and reply area of one page or buffer command. Every command has
// its own, so nothing another command does can change what it sends or reads.
inline constexpr std::size_t kPageBufferSize = 256;
using PageBuffer = std::array<std::uint8_t, kPageBufferSize>;

struct LinkState {
    // 0 means "no printer": every link operation returns 0 and calls nothing.
    std::int16_t printerCount = 0;
    SelectedPrinter selected;
    bool retryWhenBusy = false;  // page and counter reads wait out transient results
    bool pauseActive = false;    // the one-second pause between attempts runs
    bool discoveryRunning = false;
    bool busyWaitRunning = false;  // the wait for a printing printer to finish is up
    // Link operations stopped between two of their steps while window events
    // run (a pause, the status query between its attempts).
    int waitingOperations = 0;
    // Modal dialogs showing the watched printer's settings (PinnedPrinter):
    // the monitor cycle does not move to another printer meanwhile.
    int pinnedScreens = 0;
    // The monitor has ended: no link operation starts, none goes on.
    bool ended = false;
    bool preferIPv6 = false;  // address family of the network printer list

    // Network session values.
    ResultCode lastNetworkResult = 0;
    std::int32_t statusWord = 0;  // set by the settings library with every reply
    std::int32_t sequence = 0;    // 1..32767, advanced before every send
    std::int32_t expectedSequence = 0;
    std::int16_t networkFailures = 0;  // consecutive hidden status failures

    DeviceStatus status;

    // Shows the busy pointer while a gesture's link operation runs (none in
    // programs without a window).
    ui::ScreenPointer* pointer = nullptr;

    // A link operation is under way and lets window events run: a user
    // gesture must not start another one now (see link_guard.h).
    bool linkBusy() const {
        return pauseActive || discoveryRunning || busyWaitRunning || waitingOperations > 0;
    }

    // True when link operations have nothing to talk to.
    bool idle() const { return !usb() && !network(); }
    bool usb() const {
        return !ended && printerCount != 0 && selected.connection == Connection::Usb;
    }
    bool network() const {
        return !ended && printerCount != 0 && selected.connection == Connection::Network;
    }
};

// Advances the network sequence number before a send: 1..32767, then 1 again.
// The value is both the request's number and the one the reply must carry.
inline std::int32_t advanceSequence(LinkState& s) {
    s.sequence = (s.sequence >= 32767 || s.sequence < 0) ? 1 : s.sequence + 1;
    s.expectedSequence = s.sequence;
    return s.sequence;
}

}  // namespace orvan::link
