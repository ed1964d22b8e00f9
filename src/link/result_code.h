#pragma once
#include <cstdint>

namespace orvan::link {

// Signed result of every printer operation: 0 success, positive transient,
// negative a condition or an error.
using ResultCode = std::int32_t;

// Codes the link itself interprets.
inline constexpr ResultCode kNoMorePrinters = -0x09000002;    // end of scan, printer gone
inline constexpr ResultCode kInvalidParameter = -0x09000001;  // a library refused what it was given
inline constexpr ResultCode kPortGone = -0x02000004;          // USB port service lost it
inline constexpr ResultCode kSequenceMismatch = -16;          // network reply for another request
inline constexpr ResultCode kNetworkSocketError = -2;         // status word holds the socket error

// How serious a result is, from the error catalogue: None 0, Transient 1,
// Busy 2, Error 3, Fault 4.
enum class Severity : int { None = 0, Transient = 1, Busy = 2, Error = 3, Fault = 4 };

}  // namespace orvan::link
