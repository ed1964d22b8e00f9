#include "link/buffer_writes.h"

#include <algorithm>
#include <vector>

#include "link/pages.h"
#include "link/password.h"

namespace orvan::link {
namespace {

constexpr std::int32_t kBufferMode = 2;
constexpr std::size_t kIpsecModeSize = 4;

// A broken-down time field as one record byte. Fields the record cannot hold
// (a year past 2155, a corrupt value) are cut to the byte's range rather
// than wrapped into another date.
std::uint8_t clockByte(int value) {
    return static_cast<std::uint8_t>(std::clamp(value, 0, 255));
}

}  // namespace

ResultCode WritePrinterBuffer(Channel& channel, std::uint8_t bufferId,
                              std::span<const std::uint8_t> bytes) {
    if (!channel.state().usb()) return 0;
    if (bytes.size() > kLargestBufferWrite) return kInvalidParameter;
    const UsbAddress to = channel.usbAddress();
    std::vector<std::uint8_t> request(bytes.begin(), bytes.end());
    const ResultCode result = channel.attempt(Channel::Retry::Always, [&] {
        return channel.commands().KQCMD_WriteBuffer(to.slot, to.scsiId, kBufferMode, bufferId,
                                                    request.data(), 0,
                                                    static_cast<std::int32_t>(request.size()));
    });
    WipeBytes(request);
    return result;
}

ResultCode WriteLengthPrefixed(Channel& channel, std::uint8_t bufferId,
                               std::span<const std::uint8_t> bytes) {
    if (bytes.size() + 2 > kLargestBufferWrite) return kInvalidParameter;
    std::vector<std::uint8_t> framed;
    framed.reserve(bytes.size() + 2);
    framed.push_back(static_cast<std::uint8_t>(bytes.size() >> 8));
    framed.push_back(static_cast<std::uint8_t>(bytes.size() & 0xFF));
    framed.insert(framed.end(), bytes.begin(), bytes.end());
    const ResultCode result = WritePrinterBuffer(channel, bufferId, framed);
    WipeBytes(framed);
    return result;
}

ResultCode WriteIpsecMode(Channel& channel, IpsecMethod method) {
    std::array<std::uint8_t, kIpsecModeSize> area{};
    area[0] = static_cast<std::uint8_t>(method);
    return WritePrinterBuffer(channel, kIpsecModeBuffer, area);
}

ClockRecord ClockRecordOf(const std::tm& local) {
    return {clockByte(local.tm_year),
            clockByte(local.tm_mon),
            clockByte(local.tm_mday - 1),
            clockByte(local.tm_hour),
            clockByte(local.tm_min),
            clockByte(local.tm_sec),
            0,
            0};
}

std::tm WorkstationLocalTime() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

ResultCode SetPrinterClock(Channel& channel, NetworkRequests& requests, const ClockRecord& record) {
    const LinkState& state = channel.state();
    if (state.usb()) return WritePrinterBuffer(channel, kClockBuffer, record);
    if (state.network()) return requests.writeSettingValue(kClockItem, record);
    return 0;
}

}  // namespace orvan::link
