#pragma once
// The three cycles that move settings between the printer and the image:
// the identity refresh, read-all (printer to image) and apply-all (image to
// printer). Which pages move is decided by the tab that is showing.
#include <cstdint>
#include <functional>

#include "link/channel.h"
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
    };

    Cycles(Channel& channel, Pages& pages, NetworkRequests& net, Counters& counters,
           PrinterData& data, Hooks hooks);

    ResultCode identityRefresh();
    // Reads the pages of the given tab; returns the last read's result.
    ResultCode readAll(int tab);
    // Writes the pages of the given tab after the busy wait; 0 when cancelled.
    // `afterWait` runs once the printer is free, before the pages go: a
    // write of a screen's own that must go with the pages or not at all.
    ResultCode applyAll(int tab, const std::function<void()>& afterWait = {});

  private:
    ResultCode readAllUsb(int tab);
    ResultCode readAllNetwork(int tab);
    ResultCode applyAllUsb(int tab);
    ResultCode applyAllNetwork(int tab);

    Channel& channel_;
    Pages& pages_;
    NetworkRequests& net_;
    Counters& counters_;
    PrinterData& data_;
    Hooks hooks_;
};

}  // namespace orvan::link
