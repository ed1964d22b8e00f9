#include "link/printer_list.h"

#include <algorithm>

#include "link/conversions.h"

namespace orvan::link {

namespace {

std::uint32_t littleEndian32(std::span<const std::uint8_t, 4> b) {
    return static_cast<std::uint32_t>(b[0]) | static_cast<std::uint32_t>(b[1]) << 8 |
           static_cast<std::uint32_t>(b[2]) << 16 | static_cast<std::uint32_t>(b[3]) << 24;
}

bool allZero(std::span<const std::uint8_t> bytes) {
    return std::all_of(bytes.begin(), bytes.end(), [](std::uint8_t b) { return b == 0; });
}

// How many entries the list really holds: what it claims, but never more than
// ten and never more than its data carries in full.
std::size_t usableEntries(std::span<const std::uint8_t> data) {
    using namespace list_layout;
    if (data.size() < kFirstEntry) return 0;
    const std::uint32_t claimed = littleEndian32(data.subspan<kCount, 4>());
    const std::size_t present = (data.size() - kFirstEntry) / kEntrySize;
    // A claim with the top bit set is a negative count: nothing listed.
    if (claimed > 0x7FFFFFFFu) return 0;
    return std::min({static_cast<std::size_t>(claimed), present, kMaxEntries});
}

PrinterEntry listedEntry(std::span<const std::uint8_t, list_layout::kEntrySize> raw,
                         bool ipv6List) {
    using namespace list_layout;
    PrinterEntry e;
    e.kind = EntryKind::Listed;
    if (ipv6List) {
        e.ipv6 = chooseListedIPv6(raw.subspan<kIPv6, 16>(), raw.subspan<kSecondIPv6, 16>());
    } else {
        std::copy_n(raw.begin() + kIPv4, 4, e.ipv4.begin());
    }
    e.name = SingleByteText(raw.subspan<kName, kNameLength>(), kNameLength);
    e.displayName = "NET:" + e.name;
    return e;
}

}  // namespace

AddressBytes chooseListedIPv6(std::span<const std::uint8_t, 16> first,
                              std::span<const std::uint8_t, 16> second) {
    const bool linkLocalLooking = first[0] == 0xFE || first[1] == 0x80;
    const auto chosen = (linkLocalLooking && !allZero(second)) ? second : first;
    AddressBytes out{};
    std::copy(chosen.begin(), chosen.end(), out.begin());
    return out;
}

std::vector<PrinterEntry> parseNetworkList(std::span<const std::uint8_t> data, bool ipv6List) {
    using namespace list_layout;
    std::vector<PrinterEntry> entries;
    const std::size_t n = usableEntries(data);
    for (std::size_t i = 0; i < n; ++i) {
        auto raw = data.subspan(kFirstEntry + i * kEntrySize).first<kEntrySize>();
        entries.push_back(listedEntry(raw, ipv6List));
    }
    return entries;
}

void selectEntry(const PrinterEntry& entry, bool ipv6List, SelectedPrinter& selected) {
    if (entry.kind == EntryKind::Usb) {
        selected.connection = Connection::Usb;
        selected.slot = entry.slot;
        selected.scsiId = entry.scsiId;
    } else {
        selected.connection = Connection::Network;
        selected.address = {};
        if (ipv6List)
            selected.address = entry.ipv6;
        else
            std::copy(entry.ipv4.begin(), entry.ipv4.end(), selected.address.begin());
    }
    selected.name = entry.displayName;
}

}  // namespace orvan::link
