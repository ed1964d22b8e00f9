#include "network/printer_name.h"

#include <algorithm>

#include "link/conversions.h"

namespace orvan::network {

std::string PrinterNameText(const link::NetworkSettingPage& page) {
    return link::networkName(page);
}

void StorePrinterName(link::NetworkSettingPage& page, std::string_view text) {
    std::fill(page.Name.begin(), page.Name.end(), 0);
    const std::vector<std::uint8_t> codes = link::SingleByteCodes(text, kPrinterNameLength);
    std::copy(codes.begin(), codes.end(), page.Name.begin());
}

}  // namespace orvan::network
