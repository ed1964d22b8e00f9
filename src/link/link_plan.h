#pragma once
// What a screen moves between the printer and the settings image: the USB
// pages and buffers its read-all reads and its apply-all writes, its network
// read and write requests, and whether its fill needs the card material
// from the configuration file. Each screen declares its own plan.
#include <cstdint>
#include <vector>

#include "link/result_code.h"

namespace orvan::link {

class NetworkRequests;

// One read of a USB read-all.
struct UsbRead {
    enum class Source : std::uint8_t { LogPage, ModePage, Buffer };
    Source source;
    std::uint8_t code;
};

constexpr UsbRead logPage(std::uint8_t code) {
    return {UsbRead::Source::LogPage, code};
}
constexpr UsbRead modePage(std::uint8_t code) {
    return {UsbRead::Source::ModePage, code};
}
constexpr UsbRead buffer(std::uint8_t code) {
    return {UsbRead::Source::Buffer, code};
}

using NetOperation = ResultCode (NetworkRequests::*)();

struct LinkPlan {
    // Whether a busy printer is retried during the USB reads.
    bool retriesWhenBusy = true;
    // Made in this order, each whatever the one before answered.
    std::vector<UsbRead> usbReads{};
    // The one combined network request of a read-all (none: nothing).
    NetOperation netRead = nullptr;
    // The mode pages an apply-all selects over USB, in this order.
    std::vector<std::uint8_t> usbWrites{};
    // The setting-value request of an apply-all (none: nothing).
    NetOperation netWrite = nullptr;
    bool reloadsCardMaterial = false;
};

}  // namespace orvan::link
