#include "maintenance/printer_maintenance.h"

#include <vector>

#include "link/conversions.h"

namespace orvan::maintenance {
namespace {

constexpr std::int32_t kSelfTest = 1;
constexpr std::int32_t kUnitOffline = 1;
constexpr std::int32_t kFirmwareFlags = 0;

}  // namespace

link::ResultCode SendTestPrint(link::Channel& channel, TestSides sides) {
    const std::int32_t testCode = sides == TestSides::Both ? kBothSidesTest : kOneSideTest;
    const link::UsbAddress usb = channel.usbAddress();
    return channel.attempt(link::Channel::Retry::Always, [&] {
        return channel.commands().KQCMD_SendDiagnostic(usb.slot, usb.scsiId, kSelfTest, testCode,
                                                       kUnitOffline);
    });
}

link::ResultCode SendFirmware(link::Channel& channel, const std::string& path) {
    const std::vector<std::uint8_t> widePath = link::TextToWideBytes(path);
    const link::UsbAddress usb = channel.usbAddress();
    return channel.attempt(link::Channel::Retry::Always, [&] {
        return channel.commands().KQCMD_UpdateFirmware(usb.slot, usb.scsiId, widePath.data(),
                                                       kFirmwareFlags);
    });
}

}  // namespace orvan::maintenance
