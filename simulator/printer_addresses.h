#pragma once
// Network printers by address, for the control command: a printer added at an
// address answers there (and only there: it is not in the printer list, like
// a printer on another subnet); removing it detaches it.
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "simulator/simulated_printers.h"

namespace orvan::sim {

struct SimAddress {
    bool ipv6 = false;
    Ipv6Block bytes{};  // IPv4 in the first 4
};

// Dotted IPv4 or IPv6 text (a text with a ":" is IPv6); nullopt otherwise.
std::optional<SimAddress> parseSimAddress(std::string_view text);

// The printer answering at the address, attached again, or a new unlisted
// one there, named `name` (10 characters at most; empty: "ORVAN" and the
// address's last number). Returns its index.
int addNetworkPrinterAt(SimulatedPrinters& world, const SimAddress& address, std::string_view name);

// Detaches the printer answering at the address; false when none does.
bool removeNetworkPrinterAt(SimulatedPrinters& world, const SimAddress& address);

}  // namespace orvan::sim
