#pragma once
// The three cycles that move settings between the printer and the image:
// the identity refresh, read-all (printer to image) and apply-all (image to
// printer). What moves is the plan of the screen that is showing.
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "link/channel.h"
#include "link/link_plan.h"
#include "link/result_code.h"

namespace orvan::link {

class Pages;
class NetworkRequests;
class Counters;
struct PrinterData;

class Cycles {
  public:
    struct Hooks {
        // The busy wait before a write; false when the user cancelled it.
        std::function<bool()> waitUntilFree;
        // The card material remembered in the configuration file.
        std::function<std::int16_t()> readCardType;
        // After an apply-all sent its pages: what went, and its result (the
        // audit of writes).
        std::function<void(const LinkPlan& plan, ResultCode result)> wrote = {};
    };

    Cycles(Channel& channel, Pages& pages, NetworkRequests& net, Counters& counters,
           PrinterData& data, Hooks hooks);

    ResultCode identityRefresh();
    // Reads what the plan reads; returns the last read's result.
    ResultCode readAll(const LinkPlan& plan);
    // Writes what the plan writes after the busy wait; 0 when cancelled.
    // `afterWait` runs once the printer is free, before the pages go: a
    // write of a screen's own that must go with the pages or not at all.
    ResultCode applyAll(const LinkPlan& plan, const std::function<void()>& afterWait = {});
    // One write of a multi-page apply: the mode page over USB, the request
    // over the network (none: nothing to send there).
    struct WriteStep {
        std::uint8_t usbPage;
        NetOperation netWrite;
    };
    // As applyAll, but for writes that must say which step took: after the
    // one busy wait, every step is sent whatever the one before answered.
    // Empty when cancelled or without a printer; shorter than steps when the
    // link ended midway (the rest was not sent).
    std::vector<ResultCode> applySteps(std::span<const WriteStep> steps);
    // Whether the last apply-all sent its pages (not cancelled, a printer
    // there); its result says whether they took.
    bool wrote() const { return wrote_; }

  private:
    ResultCode readAllUsb(const LinkPlan& plan);
    ResultCode applyAllUsb(const LinkPlan& plan);

    Channel& channel_;
    Pages& pages_;
    NetworkRequests& net_;
    Counters& counters_;
    PrinterData& data_;
    Hooks hooks_;
    bool wrote_ = false;
};

}  // namespace orvan::link
