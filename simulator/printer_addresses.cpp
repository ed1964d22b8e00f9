#include "simulator/printer_addresses.h"

#include <span>
#include <string>

#include "link/conversions.h"

namespace orvan::sim {
namespace {

constexpr int kNetworkPage = 0x2D;
constexpr int kIPv4At = 2;
constexpr int kNameAt = 17, kNameLength = 10;
constexpr int kIPv6ModeAt = 30, kStaticIPv6At = 47;

std::span<const std::uint8_t> addressBytes(const SimAddress& a) {
    return std::span<const std::uint8_t>(a.bytes).first(a.ipv6 ? 16 : 4);
}

SimPrinter printerAt(const SimAddress& address, std::string_view name) {
    SimPrinter p;
    const std::uint8_t last = address.bytes[address.ipv6 ? 15 : 3];
    const std::uint8_t beforeLast = address.bytes[address.ipv6 ? 14 : 2];
    const std::string shown = name.empty() ? "ORVAN" + std::to_string(last) : std::string(name);
    p.setPageText(kNetworkPage, kNameAt, kNameLength, shown);
    const std::uint8_t mac[6] = {0x02, 0x4F, 0x52, 0x56, beforeLast, last};
    p.setMac(std::span<const std::uint8_t, 6>(mac));
    for (int k = 0; k < 3; ++k) p.setEffectiveIPv6(k, {});
    for (int k = 0; k < 4; ++k)
        p.setPageByte(kNetworkPage, kIPv4At + k, address.ipv6 ? 0 : address.bytes[k]);
    if (address.ipv6) {
        // A link-local address first, as printers report it, then this one.
        p.setEffectiveIPv6(0, {0xFE, 0x80, 0, 0, 0, 0, 0, 0, 0x00, 0x4F, 0x52, 0xFF, 0xFE, 0x56,
                               beforeLast, last});
        p.setEffectiveIPv6(1, address.bytes);
        p.setPageByte(kNetworkPage, kIPv6ModeAt, 1);
        for (int k = 0; k < 16; ++k)
            p.setPageByte(kNetworkPage, kStaticIPv6At + k, address.bytes[k]);
    }
    return p;
}

}  // namespace

std::optional<SimAddress> parseSimAddress(std::string_view text) {
    SimAddress address;
    address.ipv6 = text.find(':') != std::string_view::npos;
    const bool ok = address.ipv6 ? link::ParseIPv6(text, address.bytes)
                                 : link::ParseIPv4(text, 255, address.bytes) == link::kParseOk;
    if (!ok) return std::nullopt;
    return address;
}

int addNetworkPrinterAt(SimulatedPrinters& world, const SimAddress& address,
                        std::string_view name) {
    if (auto found = world.findNetwork(address.ipv6, addressBytes(address))) {
        world.setNetworkAttached(*found, true);
        if (!name.empty())
            world.network(*found).setPageText(kNetworkPage, kNameAt, kNameLength, name);
        return *found;
    }
    return world.addNetworkPrinter(printerAt(address, name), false);
}

bool removeNetworkPrinterAt(SimulatedPrinters& world, const SimAddress& address) {
    const auto found = world.findNetwork(address.ipv6, addressBytes(address));
    if (!found) return false;
    world.setNetworkAttached(*found, false);
    return true;
}

}  // namespace orvan::sim
