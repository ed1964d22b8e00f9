#include "link/cycles.h"

#include <array>
#include <initializer_list>
#include <vector>

#include "link/counters.h"
#include "link/net_requests.h"
#include "link/pages.h"
#include "link/printer_data.h"

namespace orvan::link {

namespace {

// One read of the USB read-all, in the order a tab makes them.
enum class Read {
    Log38,
    Log3A,
    Page23,
    Page28,
    Page2A,
    Page2C,
    Page2D,
    Buffer60,
    Buffer70,
    BufferA0
};

struct UsbReadPlan {
    bool setsRetryFlag;
    std::vector<Read> reads;
};

// Tab index -> what a USB read-all reads. Tabs past the table read nothing.
const std::array<UsbReadPlan, 9> kUsbReads = {{
    {false, {Read::Log38, Read::Page23, Read::Page28, Read::Buffer60}},  // Printer Status
    {true, {Read::Page28, Read::Page2A}},                                // Printer Setting
    {true, {Read::Page28}},                                              // Retransfer
    {true, {Read::Page28}},                                              // Bend Remedy
    {true, {Read::Page23, Read::Page28}},                                // Media Setting
    {true, {Read::Log38, Read::Page28}},                                 // Property
    {true, {Read::Log3A, Read::Page2C}},                                 // Laminator
    {true, {Read::Page2D, Read::Buffer70, Read::BufferA0}},              // Printer Select
    {true, {Read::Page28}},                                              // Security Lock
}};

using NetOperation = ResultCode (NetworkRequests::*)();

// Tab index -> the one combined network request of a read-all.
const std::array<NetOperation, 9> kNetReads = {
    &NetworkRequests::statusTabRead,    &NetworkRequests::conditionRead,
    &NetworkRequests::retransferRead,   &NetworkRequests::bendRemedyRead,
    &NetworkRequests::mediaRead,        &NetworkRequests::propertyRead,
    &NetworkRequests::laminatorRead,    &NetworkRequests::networkRead,
    &NetworkRequests::securityLockRead,
};

// Tab index -> the setting-value request of an apply-all (nullptr: none).
const std::array<NetOperation, 10> kNetWrites = {
    nullptr,
    &NetworkRequests::conditionWrite,
    &NetworkRequests::retransferWrite,
    &NetworkRequests::bendRemedyWrite,
    &NetworkRequests::mediaWrite,
    nullptr,
    &NetworkRequests::laminatorWrite,
    &NetworkRequests::networkWrite,
    nullptr,
    nullptr,
};

// Tab index -> the pages an apply-all writes over USB.
const std::array<std::vector<std::uint8_t>, 10> kUsbWrites = {{
    {},
    {kPrintConditionPage, kMagneticPage},
    {kPrintConditionPage},
    {kPrintConditionPage},
    {kPrintConditionPage},
    {},
    {kLaminatorPage},
    {kNetworkPage},
    {},
    {},
}};

// Tabs whose fill needs the card material from the configuration file.
bool reloadsCardMaterial(int tab) {
    return tab == 2 || tab == 3 || tab == 4;
}

bool inTable(int tab, std::size_t size) {
    return tab >= 0 && static_cast<std::size_t>(tab) < size;
}

}  // namespace

Cycles::Cycles(Channel& channel, Pages& pages, NetworkRequests& net, Counters& counters,
               PrinterData& data, Hooks hooks)
    : channel_(channel),
      pages_(pages),
      net_(net),
      counters_(counters),
      data_(data),
      hooks_(std::move(hooks)) {}

ResultCode Cycles::identityRefresh() {
    LinkState& s = channel_.state();
    if (s.usb()) {
        s.retryWhenBusy = true;
        return pages_.senseInquiry();
    }
    if (s.network()) return net_.identityRead();
    return 0;
}

ResultCode Cycles::readAll(int tab) {
    LinkState& s = channel_.state();
    if (s.printerCount == 0) return 0;
    ResultCode result = 0;
    if (s.usb())
        result = readAllUsb(tab);
    else if (s.network())
        result = readAllNetwork(tab);
    if (reloadsCardMaterial(tab) && hooks_.readCardType)
        data_.image.CardMaterial = hooks_.readCardType();
    return result;
}

ResultCode Cycles::readAllUsb(int tab) {
    LinkState& s = channel_.state();
    ResultCode result = 0;
    if (inTable(tab, kUsbReads.size())) {
        const UsbReadPlan& plan = kUsbReads[static_cast<std::size_t>(tab)];
        if (plan.setsRetryFlag) s.retryWhenBusy = true;
        // Every read is made whatever the one before answered.
        for (Read r : plan.reads) {
            switch (r) {
                case Read::Log38:
                    result = counters_.senseLogPage(kPrinterLogPage);
                    break;
                case Read::Log3A:
                    result = counters_.senseLogPage(kLaminatorLogPage);
                    break;
                case Read::Page23:
                    result = pages_.sensePage(kMediaInfoPage);
                    break;
                case Read::Page28:
                    result = pages_.sensePage(kPrintConditionPage);
                    break;
                case Read::Page2A:
                    result = pages_.sensePage(kMagneticPage);
                    break;
                case Read::Page2C:
                    result = pages_.sensePage(kLaminatorPage);
                    break;
                case Read::Page2D:
                    result = pages_.sensePage(kNetworkPage);
                    break;
                case Read::Buffer60:
                    result = pages_.readPrinterBuffer(kJobListBuffer);
                    break;
                case Read::Buffer70:
                    result = pages_.readPrinterBuffer(kMacAddressBuffer);
                    break;
                case Read::BufferA0:
                    result = pages_.readPrinterBuffer(kIpsecModeBuffer);
                    break;
            }
        }
    }
    s.retryWhenBusy = false;
    return result;
}

ResultCode Cycles::readAllNetwork(int tab) {
    if (!inTable(tab, kNetReads.size())) return 0;
    return (net_.*kNetReads[static_cast<std::size_t>(tab)])();
}

ResultCode Cycles::applyAll(int tab, const std::function<void()>& afterWait) {
    LinkState& s = channel_.state();
    if (s.printerCount == 0) return 0;
    if (hooks_.waitUntilFree && !hooks_.waitUntilFree()) return 0;
    if (afterWait) afterWait();
    if (s.usb()) return applyAllUsb(tab);
    if (s.network()) return applyAllNetwork(tab);
    return 0;
}

ResultCode Cycles::applyAllUsb(int tab) {
    if (!inTable(tab, kUsbWrites.size())) return 0;
    // Every page is sent whatever the one before answered; the first failure
    // is the one reported.
    ResultCode first = 0, last = 0;
    for (std::uint8_t page : kUsbWrites[static_cast<std::size_t>(tab)]) {
        last = pages_.selectPage(page);
        if (first == 0) first = last;
    }
    return first != 0 ? first : last;
}

ResultCode Cycles::applyAllNetwork(int tab) {
    if (!inTable(tab, kNetWrites.size())) return 0;
    NetOperation op = kNetWrites[static_cast<std::size_t>(tab)];
    return op ? (net_.*op)() : 0;
}

}  // namespace orvan::link
