// Feeds arbitrary bytes to the reader of the monitor's published status: it
// must refuse or accept without reading outside the input, and what it
// accepts must hold only values inside their ranges.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "report/report_json.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto doc = orvan::report::DecodeDocument(text);
    if (!doc) return 0;
    for (const auto& p : doc->printers) {
        const auto& d = p.details;
        for (const auto& q : {d.inkQuantity, d.filmQuantity, d.cardCode})
            if (q && (*q < 0 || *q > 255)) std::abort();
        for (const auto& c : {d.counters.print, d.counters.total, d.counters.head,
                              d.counters.cleaning, d.counters.error, d.counters.laminatorTotal})
            if (c && (*c < 0 || *c > 0xFFFFFFFFLL)) std::abort();
        if (p.connection != "usb" && p.connection != "network") std::abort();
    }
    return 0;
}
