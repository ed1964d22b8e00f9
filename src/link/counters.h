#pragma once
// The printer's and the laminator's counters: log pages over USB, status
// items over the network, and the clear of the resettable ones.
#include <cstdint>

#include "link/channel.h"
#include "link/net_requests.h"
#include "link/printer_data.h"

namespace orvan::link {

inline constexpr std::uint8_t kPrinterLogPage = 0x38;
inline constexpr std::uint8_t kLaminatorLogPage = 0x3A;

class Counters {
  public:
    Counters(Channel& channel, PrinterData& data, NetworkRequests& network);

    // USB only (0 otherwise). A failed read or a reply for another page keeps
    // the counters as they were.
    ResultCode senseLogPage(std::uint8_t page);
    // Clears the printer's resettable counters on either path.
    ResultCode clearCounters();
    // Reads back what a clear changed.
    ResultCode rereadCounters();

  private:
    Channel& channel_;
    PrinterData& data_;
    NetworkRequests& network_;
};

}  // namespace orvan::link
