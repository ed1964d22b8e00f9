#pragma once
// Writes to the printer's small buffers that are not mode pages, and the
// printer clock, which a network printer takes as a setting value instead.
// Each write takes its bytes once, before the first attempt, so a retry
// resends exactly what the first attempt sent.
#include <array>
#include <cstdint>
#include <ctime>
#include <span>

#include "link/channel.h"
#include "link/net_requests.h"

namespace orvan::link {

inline constexpr std::uint8_t kClockBuffer = 0xA1;
inline constexpr std::uint8_t kClockItem = 10;

// Method byte of the IPsec mode buffer 0xA0.
enum class IpsecMethod : std::uint8_t { Off = 0, PresharedKey = 1, PrinterCertificate = 2 };

// Writes `bytes` to a buffer of the selected USB printer (mode 2, offset 0),
// retried while the library answers a transient result. 0 at once, calling
// nothing, unless a USB printer is selected.
ResultCode WritePrinterBuffer(Channel& channel, std::uint8_t bufferId,
                              std::span<const std::uint8_t> bytes);

// The IPsec mode buffer: the method, then three 0 bytes. USB only.
ResultCode WriteIpsecMode(Channel& channel, IpsecMethod method);

// The printer clock record: year - 1900, month - 1, day of month - 1, hour,
// minute, second, 0, 0. Built from one broken-down local time, so every
// field comes from the same instant.
using ClockRecord = std::array<std::uint8_t, 8>;
ClockRecord ClockRecordOf(const std::tm& local);

// The workstation's local time, read once.
std::tm WorkstationLocalTime();

// Sets the printer clock: buffer 0xA1 over USB, setting value 10 over the
// network (one connection, one value). 0 without a printer.
ResultCode SetPrinterClock(Channel& channel, NetworkRequests& requests, const ClockRecord& record);

}  // namespace orvan::link
