#pragma once
// The network printer list as the settings library hands it out: bytes 4..7
// the number of entries (little-endian), entries of 104 bytes from byte 22.
#include "simulator/simulated_printers.h"

namespace orvan::sim {

inline constexpr std::size_t kListHeaderSize = 22;
inline constexpr std::size_t kListEntrySize = 104;
inline constexpr std::size_t kListNameAt = 0;
inline constexpr std::size_t kListIPv4At = 10;
inline constexpr std::size_t kListIPv6At = 42;
inline constexpr std::size_t kListSecondIPv6At = 58;

// Entries of the attached network printers, in the order they were added.
Bytes buildPrinterListData(SimulatedPrinters& world);

}  // namespace orvan::sim
