#include "link/cycles.h"

#include "link/counters.h"
#include "link/net_requests.h"
#include "link/pages.h"
#include "link/printer_data.h"

namespace orvan::link {

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

ResultCode Cycles::readAll(const LinkPlan& plan) {
    LinkState& s = channel_.state();
    if (s.printerCount == 0) return 0;
    ResultCode result = 0;
    if (s.usb())
        result = readAllUsb(plan);
    else if (s.network() && plan.netRead)
        result = (net_.*plan.netRead)();
    if (plan.reloadsCardMaterial && hooks_.readCardType)
        data_.image.CardMaterial = hooks_.readCardType();
    return result;
}

ResultCode Cycles::readAllUsb(const LinkPlan& plan) {
    LinkState& s = channel_.state();
    if (plan.retriesWhenBusy) s.retryWhenBusy = true;
    ResultCode result = 0;
    // Every read is made whatever the one before answered.
    for (const UsbRead& read : plan.usbReads) {
        switch (read.source) {
            case UsbRead::Source::LogPage:
                result = counters_.senseLogPage(read.code);
                break;
            case UsbRead::Source::ModePage:
                result = pages_.sensePage(read.code);
                break;
            case UsbRead::Source::Buffer:
                result = pages_.readPrinterBuffer(read.code);
                break;
        }
    }
    s.retryWhenBusy = false;
    return result;
}

ResultCode Cycles::applyAll(const LinkPlan& plan, const std::function<void()>& afterWait) {
    LinkState& s = channel_.state();
    wrote_ = false;
    if (s.printerCount == 0) return 0;
    if (hooks_.waitUntilFree && !hooks_.waitUntilFree()) return 0;
    if (afterWait) afterWait();
    wrote_ = s.usb() || (s.network() && plan.netWrite);
    if (!wrote_) return 0;
    const ResultCode result = s.usb() ? applyAllUsb(plan) : (net_.*plan.netWrite)();
    if (hooks_.wrote) hooks_.wrote(plan, result);
    return result;
}

std::vector<ResultCode> Cycles::applySteps(std::span<const WriteStep> steps) {
    LinkState& s = channel_.state();
    wrote_ = false;
    if (s.printerCount == 0) return {};
    if (hooks_.waitUntilFree && !hooks_.waitUntilFree()) return {};
    std::vector<ResultCode> results;
    for (const WriteStep& step : steps) {
        if (s.usb())
            results.push_back(pages_.selectPage(step.usbPage));
        else if (s.network())
            results.push_back(step.netWrite ? (net_.*step.netWrite)() : 0);
        else
            break;  // the printer is gone or the monitor ends: the rest is not sent
    }
    wrote_ = s.usb() || s.network();
    return results;
}

ResultCode Cycles::applyAllUsb(const LinkPlan& plan) {
    // Every page is sent whatever the one before answered; the first failure
    // is the one reported.
    ResultCode first = 0, last = 0;
    for (std::uint8_t page : plan.usbWrites) {
        last = pages_.selectPage(page);
        if (first == 0) first = last;
    }
    return first != 0 ? first : last;
}

}  // namespace orvan::link
