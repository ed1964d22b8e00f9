#pragma once
// The USB path to the printer's settings: mode pages into and out of the
// settings image, the inquiry into the identity, and the small printer
// buffers read beside the pages (job list, MAC address, IPsec mode).
#include <cstdint>

#include "link/channel.h"
#include "link/page_layouts.h"
#include "link/printer_data.h"

namespace orvan::link {

inline constexpr std::uint8_t kJobListBuffer = 0x60;
inline constexpr std::uint8_t kMacAddressBuffer = 0x70;
inline constexpr std::uint8_t kIpsecModeBuffer = 0xA0;

class Pages {
  public:
    Pages(Channel& channel, PrinterData& data);

    // Each returns 0 at once, calling nothing, unless a USB printer is selected.

    // Inquiry: on success the identity's texts and option bytes; on failure
    // the identity stays as it was.
    ResultCode senseInquiry();
    // Reads one page into the image. A failed read puts that page's fields
    // back from the last good copy; a reply for another page changes nothing;
    // a good read refreshes the last good copy.
    ResultCode sensePage(std::uint8_t page);
    // Writes one page from the image; the image is not changed.
    ResultCode selectPage(std::uint8_t page);
    // 0x60 the job list, 0x70 the MAC address, 0xA0 the IPsec mode.
    ResultCode readPrinterBuffer(std::uint8_t bufferId);

  private:
    ResultCode readJobList();
    ResultCode readMacAddress();
    ResultCode readIpsecMode();
    ResultCode readBuffer(std::uint8_t bufferId, std::span<std::uint8_t> area);

    Channel& channel_;
    PrinterData& data_;
};

}  // namespace orvan::link
