#include "network/typed_address.h"

#include <algorithm>
#include <array>
#include <span>

#include "link/conversions.h"
#include "link/printer_list.h"

namespace orvan::network {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// Texts the combo shows for things that are not addresses.
constexpr std::array<std::string_view, 2> kListedPrefixes = {"USB:", "NET:"};

bool namesNoAddress(std::string_view text) {
    if (text.empty() || text == link::kNoPrinterText) return true;
    return std::any_of(kListedPrefixes.begin(), kListedPrefixes.end(),
                       [&](std::string_view prefix) { return text.starts_with(prefix); });
}

}  // namespace

std::string TrimBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return std::string(text);
}

std::optional<PrinterAddress> TypedAddress(std::string_view text, bool ipv6) {
    const std::string typed = TrimBlanks(text);
    if (namesNoAddress(typed)) return std::nullopt;
    PrinterAddress address;
    if (ipv6) {
        address.length = link::kIPv6Length;
        if (!link::ParseIPv6(typed, address.bytes)) return std::nullopt;
    } else {
        address.length = link::kIPv4Length;
        if (link::ParseIPv4(typed, 255, address.bytes) != link::kParseOk) return std::nullopt;
    }
    return address;
}

std::string AddressText(const PrinterAddress& address) {
    const std::span<const std::uint8_t> bytes(address.bytes);
    if (address.length == link::kIPv6Length) return link::FormatIPv6(bytes).text;
    return link::FormatIPv4(bytes.first(link::kIPv4Length));
}

std::optional<std::size_t> FindStored(const link::IpHistory& history,
                                      const PrinterAddress& address) {
    for (std::size_t s = 0; s < history.entries.size(); ++s) {
        const link::IpHistoryEntry& entry = history.entries[s];
        if (entry.length != address.length) continue;
        if (std::equal(address.bytes.begin(), address.bytes.begin() + address.length,
                       entry.address.begin()))
            return s;
    }
    return std::nullopt;
}

std::optional<std::size_t> StoreAddress(link::IpHistory& history, const PrinterAddress& address) {
    for (std::size_t s = 0; s < history.entries.size(); ++s) {
        link::IpHistoryEntry& entry = history.entries[s];
        if (!entry.empty()) continue;
        entry.address = address.bytes;
        entry.length = address.length;
        return s;
    }
    return std::nullopt;
}

PrinterAddress StoredAddress(const link::IpHistoryEntry& entry) {
    PrinterAddress address;
    address.bytes = entry.address;
    address.length = entry.length == link::kIPv6Length ? link::kIPv6Length : link::kIPv4Length;
    return address;
}

}  // namespace orvan::network
