#pragma once
// The link's cycles over the in-process simulator on the virtual clock.
#include <algorithm>

#include "link/counters.h"
#include "link/cycles.h"
#include "link/net_requests.h"
#include "link/pages.h"
#include "link/printer_data.h"
#include "simulator/sim_command_port.h"
#include "simulator/sim_settings_port.h"
#include "simulator/simulated_printers.h"
#include "ui/virtual_clock.h"

namespace orvan::testing {

// Commands: the USB port the channel talks to (a test may put a faulty one
// in front of the simulator's).
template <class Commands = sim::SimCommandPort>
struct BasicCycleRig {
    ui::VirtualClockLoop loop;
    ui::Timer timer2{"Timer2"};
    sim::SimulatedPrinters world = sim::defaultScenario();
    Commands commands{world};
    sim::SimSettingsPort settings{world};
    link::LinkState state;
    link::PrinterData data;
    link::Channel channel{state, commands, settings, loop, timer2};
    link::Pages pages{channel, data};
    link::NetworkRequests requests{channel, data};
    link::Counters counters{channel, data, requests};
    bool printerFreed = true;  // what the busy wait answers
    int busyWaits = 0;
    std::int16_t cardType = 3;
    link::Cycles cycles{channel,
                        pages,
                        requests,
                        counters,
                        data,
                        link::Cycles::Hooks{[this] {
                                                ++busyWaits;
                                                return printerFreed;
                                            },
                                            [this] { return cardType; }}};

    BasicCycleRig() { useUsb(); }

    void useUsb() {
        state.printerCount = 2;
        state.selected = {};
        state.selected.connection = link::Connection::Usb;
        state.selected.slot = world.usbPort(0).slot;
        state.selected.scsiId = world.usbPort(0).scsiId;
    }
    void useNetwork() {
        state.printerCount = 2;
        state.selected = {};
        state.selected.connection = link::Connection::Network;
        const auto ip = world.network(0).ipv4();
        std::copy(ip.begin(), ip.end(), state.selected.address.begin());
    }

    // The page codes (or buffer ids) of the calls made to one operation.
    std::vector<std::int64_t> targets(const char* operation, std::size_t argIndex) const {
        std::vector<std::int64_t> out;
        for (const auto& c : world.callsTo(operation))
            if (c.args.size() > argIndex) out.push_back(c.args[argIndex]);
        return out;
    }
    // The USB read operations in call order, as "op:target".
    std::vector<std::string> usbReads() const {
        std::vector<std::string> out;
        for (const auto& c : world.calls()) {
            if (c.operation == "KQCMD_LogSense" || c.operation == "KQCMD_ModeSense")
                out.push_back(c.operation.substr(6) + ":" + std::to_string(c.args.back()));
            if (c.operation == "KQCMD_ReadBuffer")
                out.push_back("ReadBuffer:" + std::to_string(c.args[3]));
        }
        return out;
    }
};

using CycleRig = BasicCycleRig<>;

}  // namespace orvan::testing
