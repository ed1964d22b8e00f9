#pragma once
// Printer addresses as the Printer Select tab handles them: what a text typed
// into the printer combo stands for, and the remembered addresses it is
// looked up in and stored to.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "link/ip_history.h"

namespace orvan::network {

// 4 bytes (IPv4) or 16 (IPv6) in the first `length` bytes; the rest are 0.
struct PrinterAddress {
    link::AddressBytes bytes{};
    std::uint8_t length = link::kIPv4Length;
    bool operator==(const PrinterAddress&) const = default;
};

// The text with the blanks around it removed.
std::string TrimBlanks(std::string_view text);

// What a combo text stands for. No address: an empty text, "No Printer", a
// discovered printer's name ("USB:..." or "NET:..."), or a text that does
// not read as an address of the chosen family.
std::optional<PrinterAddress> TypedAddress(std::string_view text, bool ipv6);

// Dotted decimal for IPv4, the compressed hexadecimal form for IPv6.
std::string AddressText(const PrinterAddress& address);

// The first remembered slot holding this address, if any.
std::optional<std::size_t> FindStored(const link::IpHistory& history,
                                      const PrinterAddress& address);

// Stores the address in the first empty slot; nullopt when all ten are in use.
std::optional<std::size_t> StoreAddress(link::IpHistory& history, const PrinterAddress& address);

// The address a remembered slot holds (an empty slot gives an IPv4 0.0.0.0).
PrinterAddress StoredAddress(const link::IpHistoryEntry& entry);

}  // namespace orvan::network
