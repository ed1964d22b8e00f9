#pragma once
// What tests arrange and observe inside a monitor beyond its parts: the
// flags read at start-up, the end and tray flags, the cycle's tick count,
// and the hooks a test puts its counters in. The program never uses it.
#include <cstdint>
#include <functional>

#include "shell/monitor.h"

namespace orvan::shell {

struct MonitorProbe {
    Monitor& monitor;

    Monitor::StartFlags& startFlags() { return monitor.start_; }
    bool endRequested() const { return monitor.endRequested_; }
    bool trayIconShown() const { return monitor.trayIconShown_; }
    bool trayMenuOpen() const { return monitor.trayMenuOpen_; }
    std::int16_t cycleTicks() const { return monitor.cycleTicks_; }

    // In place of the Status tab's view: what the cycle runs to redraw it.
    void redrawStatusWith(std::function<void()> showStatus,
                          std::function<void()> refreshMediaAndCounters) {
        monitor.redraw_ = {std::move(showStatus), std::move(refreshMediaAndCounters)};
    }
    // In place of the Printer Select tab: what a choice on its combo runs.
    void onPrinterSelectChoice(std::function<void()> chosen) {
        monitor.printerSelectChosen_ = std::move(chosen);
    }
};

}  // namespace orvan::shell
