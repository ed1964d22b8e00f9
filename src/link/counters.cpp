#include "link/counters.h"

#include "link/reply_walk.h"

namespace orvan::link {
namespace {

using CF = CounterFields;

// Each log parameter is a 4-byte header and a 4-byte big-endian value.
struct LogCounter {
    std::uint8_t page;
    std::uint8_t offset;
    CounterRef field;
};

constexpr LogCounter kLogCounters[] = {
    {kPrinterLogPage, 8, counterField<&CF::PrinterTotal>},
    {kPrinterLogPage, 16, counterField<&CF::Print>},
    {kPrinterLogPage, 24, counterField<&CF::ThermalHead>},
    {kPrinterLogPage, 32, counterField<&CF::Cleaning>},
    {kPrinterLogPage, 40, counterField<&CF::Error>},
    {kLaminatorLogPage, 8, counterField<&CF::LaminatorTotal>},
    {kLaminatorLogPage, 16, counterField<&CF::LaminatorCleaning>},
};

constexpr std::int32_t kClearResettable = 0;

}  // namespace

Counters::Counters(Channel& channel, PrinterData& data, NetworkRequests& network)
    : channel_(channel), data_(data), network_(network) {}

ResultCode Counters::senseLogPage(std::uint8_t page) {
    if (!channel_.state().usb()) return 0;
    const UsbAddress to = channel_.usbAddress();
    PageBuffer reply{};
    const ResultCode r = channel_.attempt(Channel::Retry::WhenBusyFlag, [&] {
        return channel_.commands().KQCMD_LogSense(to.slot, to.scsiId, page, reply.data());
    });
    if (r != 0 || reply[0] != page) return r;
    for (const auto& c : kLogCounters)
        if (c.page == page) c.field(data_.image) = bigEndian32At(reply, c.offset);
    return 0;
}

ResultCode Counters::clearCounters() {
    if (channel_.state().usb()) {
        const UsbAddress to = channel_.usbAddress();
        return channel_.attempt(Channel::Retry::Always, [&] {
            return channel_.commands().KQCMD_LogSelect(to.slot, to.scsiId, kClearResettable);
        });
    }
    return network_.counterClear();
}

ResultCode Counters::rereadCounters() {
    if (channel_.state().usb()) return senseLogPage(kPrinterLogPage);
    return network_.counterReread();
}

}  // namespace orvan::link
