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

// The IPsec key download's buffers.
inline constexpr std::uint8_t kPresharedKeyBuffer = 0x80;   // the key file, then a 0 byte
inline constexpr std::uint8_t kPublicKeyBuffer = 0x81;      // length-prefixed, as converted
inline constexpr std::uint8_t kPrivateKeyBuffer = 0x82;     // length-prefixed, as converted
inline constexpr std::uint8_t kPasswordBuffer = 0x83;       // the certificate password, then 0
inline constexpr std::uint8_t kCaCertificateBuffer = 0x84;  // length-prefixed, as converted

// The most one buffer write carries: a key or certificate of 8193 bytes and
// two bytes of framing.
inline constexpr std::size_t kLargestBufferWrite = 8195;
inline constexpr std::uint8_t kClockItem = 10;

// Method byte of the IPsec mode buffer 0xA0.
enum class IpsecMethod : std::uint8_t { Off = 0, PresharedKey = 1, PrinterCertificate = 2 };

// Writes `bytes` to a buffer of the selected USB printer (mode 2, offset 0),
// retried while the library answers a transient result. 0 at once, calling
// nothing, unless a USB printer is selected; more than kLargestBufferWrite
// bytes are refused with kInvalidParameter, calling nothing. The copy the
// attempts send is wiped afterwards, since it may hold a key or a password.
ResultCode WritePrinterBuffer(Channel& channel, std::uint8_t bufferId,
                              std::span<const std::uint8_t> bytes);

// Writes a converted key or certificate: two bytes holding its length, high
// byte first, then its bytes.
ResultCode WriteLengthPrefixed(Channel& channel, std::uint8_t bufferId,
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
