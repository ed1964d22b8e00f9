// Mode pages, inquiry data and printer buffers as a printer (or a broken
// library) might hand them back: decoding them stays inside the page buffer,
// and a write built from whatever was read keeps its fixed size.
#include <cstddef>
#include <cstdint>

#include "link/pages.h"
#include "support/fake_ports.h"

using namespace orvan;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    static const std::uint8_t kPages[] = {link::kMediaInfoPage, link::kPrintConditionPage,
                                          link::kMagneticPage, link::kLaminatorPage,
                                          link::kNetworkPage};
    const std::uint8_t page = kPages[data[0] % sizeof(kPages)];
    const test::Bytes bytes(data + 1, data + size);

    test::FakeLink fake;
    fake.usb();
    fake.commands.modePages[page] = bytes;
    fake.commands.inquiry = bytes;
    fake.commands.buffers[link::kJobListBuffer] = bytes;
    fake.commands.buffers[link::kIpsecModeBuffer] = bytes;
    link::PrinterData printer;
    link::Pages pages(fake.channel, printer);

    pages.sensePage(page);
    pages.senseInquiry();
    pages.readPrinterBuffer(link::kJobListBuffer);
    pages.readPrinterBuffer(link::kIpsecModeBuffer);
    if (link::networkName(printer.image.NetworkSetting).size() > 20)
        __builtin_trap();  // ten characters, two bytes at most each
    if (printer.image.MediaInfo.Text.size() > 6) __builtin_trap();
    if (printer.jobs.count > 1 || printer.jobs.owners.size() != 1) __builtin_trap();

    pages.selectPage(page);
    const auto* layout = link::findPageLayout(page);
    const test::Bytes sent = fake.commands.lastSelect(page);
    if (layout->selectSize != 0 && sent.size() != layout->selectSize) __builtin_trap();
    return 0;
}
