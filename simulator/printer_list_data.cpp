#include "simulator/printer_list_data.h"

#include <algorithm>

namespace orvan::sim {
namespace {

void putLittleEndian32(Bytes& out, std::size_t at, std::uint32_t v) {
    for (std::size_t k = 0; k < 4; ++k) out[at + k] = static_cast<std::uint8_t>(v >> (8 * k));
}

}  // namespace

Bytes buildPrinterListData(SimulatedPrinters& world) {
    std::vector<const SimPrinter*> listed;
    for (int i = 0; i < world.networkCount(); ++i) {
        const NetworkPort& port = world.networkPort(i);
        if (port.attached && port.listed) listed.push_back(&port.printer);
    }
    Bytes data(kListHeaderSize + listed.size() * kListEntrySize, 0);
    putLittleEndian32(data, 0, static_cast<std::uint32_t>(data.size()));
    putLittleEndian32(data, 4, static_cast<std::uint32_t>(listed.size()));
    for (std::size_t n = 0; n < listed.size(); ++n) {
        const SimPrinter& p = *listed[n];
        auto entry =
            data.begin() + static_cast<std::ptrdiff_t>(kListHeaderSize + n * kListEntrySize);
        const auto name = p.page(0x2D).subspan(17, 10);
        std::copy(name.begin(), name.end(), entry + kListNameAt);
        const auto ipv4 = p.ipv4();
        std::copy(ipv4.begin(), ipv4.end(), entry + kListIPv4At);
        const auto& ipv6 = p.effectiveIPv6();
        std::copy(ipv6[0].begin(), ipv6[0].end(), entry + kListIPv6At);
        std::copy(ipv6[1].begin(), ipv6[1].end(), entry + kListSecondIPv6At);
    }
    return data;
}

}  // namespace orvan::sim
