#pragma once
// The status query: what the selected printer and its laminator are doing,
// written into the shared DeviceStatus. It is also where a printer that went
// away is noticed (the printer count drops to 0 and discovery runs again).
#include <cstdint>
#include <span>

#include "link/channel.h"

namespace orvan::link {

// Item codes of the network status request.
inline constexpr std::int32_t kPrinterStatusItem = 1;
inline constexpr std::int32_t kLaminatorStatusItem = 62;

// Five failed network replies in a row are hidden; the sixth loses the printer.
inline constexpr std::int16_t kHiddenNetworkFailures = 5;

// The USB laminator result arrives as the bare error byte, flagged by state
// 255: compose it into the laminator family and call the laminator idle.
void convertLaminatorStatus(DeviceStatus& status);

// Reads the printer (1) and laminator (62) items of a network status reply
// into status. Items cut short by the end of the reply are ignored.
void walkStatusItems(std::span<const std::uint8_t> reply, DeviceStatus& status);

// Socket errors after which a network printer counts as unreachable.
bool isUnreachableSocketError(std::int32_t socketError);

class StatusQuery {
  public:
    explicit StatusQuery(Channel& channel) : channel_(channel) {}

    // Fills state().status and hands back its printer result and state.
    void query(ResultCode& printerResult, std::int32_t& printerState);

  private:
    void queryUsb();
    void queryNetwork();
    DeviceStatus askNetworkPrinter();
    void exchange(std::int32_t connection, DeviceStatus& fresh);
    void hideShortFailures(DeviceStatus& fresh);
    void losePrinter();

    Channel& channel_;
};

}  // namespace orvan::link
