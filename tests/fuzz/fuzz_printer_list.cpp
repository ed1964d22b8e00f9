// Network printer lists and status replies come straight from the network:
// whatever their bytes, parsing them stays inside the buffer.
#include <cstddef>
#include <cstdint>
#include <span>

#include "link/printer_list.h"
#include "link/status_query.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    for (bool ipv6 : {false, true}) {
        const auto entries = orvan::link::parseNetworkList(bytes, ipv6);
        if (entries.size() > orvan::link::list_layout::kMaxEntries) __builtin_trap();
        for (const auto& e : entries)
            // Ten characters at most, each at most two bytes of UTF-8.
            if (e.name.size() > 2 * orvan::link::list_layout::kNameLength) __builtin_trap();
    }
    orvan::link::DeviceStatus status{};
    orvan::link::walkStatusItems(bytes, status);
    return 0;
}
