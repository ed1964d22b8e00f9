#pragma once
// The addresses the user typed on the Printer Select tab, remembered between
// runs in the configuration file and offered again in the printer list.
#include <array>
#include <cstddef>
#include <cstdint>

#include "link/link_state.h"

namespace orvan::link {

inline constexpr std::size_t kIpHistorySlots = 10;
inline constexpr std::uint8_t kIPv4Length = 4;
inline constexpr std::uint8_t kIPv6Length = 16;

struct IpHistoryEntry {
    AddressBytes address{};   // IPv4 uses the first 4 bytes, the rest stay 0
    std::uint8_t length = 0;  // 0 empty, 4 IPv4, 16 IPv6

    bool empty() const { return length != kIPv4Length && length != kIPv6Length; }
    bool operator==(const IpHistoryEntry&) const = default;
};

struct IpHistory {
    std::array<IpHistoryEntry, kIpHistorySlots> entries{};

    void clear() { entries.fill(IpHistoryEntry{}); }
    bool operator==(const IpHistory&) const = default;
};

}  // namespace orvan::link
