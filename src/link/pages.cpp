#include "link/pages.h"

#include <algorithm>
#include <array>

#include "link/reply_walk.h"

namespace orvan::link {
namespace {

constexpr std::int32_t kPageFormat = 1;
constexpr std::int32_t kBufferMode = 2;
constexpr std::size_t kJobListSize = 96;
constexpr std::size_t kOwnerCodes = 16, kDocumentCodes = 32;
constexpr std::size_t kMacSize = 6;
constexpr std::size_t kIpsecModeSize = 4;

}  // namespace

Pages::Pages(Channel& channel, PrinterData& data) : channel_(channel), data_(data) {}

ResultCode Pages::senseInquiry() {
    if (!channel_.state().usb()) return 0;
    const UsbAddress to = channel_.usbAddress();
    PageBuffer reply{};
    const ResultCode r = channel_.attempt(Channel::Retry::Always, [&] {
        return channel_.commands().KQCMD_StandardInquiry(to.slot, to.scsiId, reply.data());
    });
    if (r == 0) decodeIdentity(data_.identity, reply);
    return r;
}

ResultCode Pages::sensePage(std::uint8_t page) {
    if (!channel_.state().usb()) return 0;
    const UsbAddress to = channel_.usbAddress();
    // A library that writes nothing leaves a page code of 0: "another page".
    PageBuffer reply{};
    const ResultCode r = channel_.attempt(Channel::Retry::WhenBusyFlag, [&] {
        return channel_.commands().KQCMD_ModeSense(to.slot, to.scsiId, kPageFormat, page,
                                                   reply.data());
    });
    const PageLayout* layout = findPageLayout(page);
    if (r != 0) {
        if (layout) layout->restore(data_.image, data_.lastGood);
        return r;
    }
    const auto pageBytes = std::span<const std::uint8_t>(reply).subspan(kSenseHeaderSize);
    if (pageBytes[0] != page || !layout) return 0;
    decodePage(*layout, data_.image, pageBytes);
    data_.lastGood = data_.image;
    return 0;
}

// The request is built once from the image; every attempt sends those bytes,
// whatever happens to the image while a pause lets window events run.
ResultCode Pages::selectPage(std::uint8_t page) {
    if (!channel_.state().usb()) return 0;
    const PageLayout* layout = findPageLayout(page);
    if (!layout || layout->selectSize == 0) return 0;
    const UsbAddress to = channel_.usbAddress();
    const PageBuffer request = [&] {
        PageBuffer bytes;
        bytes.fill(kNotChanged);
        encodePage(*layout, data_.image, bytes);
        return bytes;
    }();
    return channel_.attempt(Channel::Retry::Always, [&] {
        return channel_.commands().KQCMD_ModeSelect(to.slot, to.scsiId, kPageFormat, page,
                                                    request.data());
    });
}

ResultCode Pages::readPrinterBuffer(std::uint8_t bufferId) {
    if (!channel_.state().usb()) return 0;
    switch (bufferId) {
        case kJobListBuffer:
            return readJobList();
        case kMacAddressBuffer:
            return readMacAddress();
        case kIpsecModeBuffer:
            return readIpsecMode();
        default:
            return 0;
    }
}

ResultCode Pages::readBuffer(std::uint8_t bufferId, std::span<std::uint8_t> area) {
    const UsbAddress to = channel_.usbAddress();
    std::fill(area.begin(), area.end(), 0);
    return channel_.attempt(Channel::Retry::Always, [&] {
        return channel_.commands().KQCMD_ReadBuffer(to.slot, to.scsiId, kBufferMode, bufferId,
                                                    area.data(), 0,
                                                    static_cast<std::int32_t>(area.size()));
    });
}

// Decoded whatever the result: an area the printer left empty is no job.
ResultCode Pages::readJobList() {
    std::array<std::uint8_t, kJobListSize> area{};
    const ResultCode r = readBuffer(kJobListBuffer, area);
    const auto bytes = std::span<const std::uint8_t>(area);
    std::string owner = textFromCodes16(bytes, kOwnerCodes);
    std::string document = textFromCodes16(bytes.subspan(2 * kOwnerCodes), kDocumentCodes);
    auto& jobs = data_.jobs;
    jobs.count = (owner.empty() && document.empty()) ? 0 : 1;
    jobs.owners = {std::move(owner)};
    jobs.documents = {std::move(document)};
    return r;
}

ResultCode Pages::readMacAddress() {
    std::array<std::uint8_t, kMacSize> area{};
    const ResultCode r = readBuffer(kMacAddressBuffer, area);
    std::copy(area.begin(), area.end(), data_.image.MacAddress.begin());
    return r;
}

// Byte 0 is the method; any method means IPsec is on. A failed read keeps
// the values we had rather than reporting IPsec as off.
ResultCode Pages::readIpsecMode() {
    std::array<std::uint8_t, kIpsecModeSize> area{};
    const ResultCode r = readBuffer(kIpsecModeBuffer, area);
    if (r != 0) return r;
    data_.image.IpsecEnabled = area[0] != 0 ? 1 : 0;
    data_.image.IpsecMode = area[0];
    return r;
}

}  // namespace orvan::link
