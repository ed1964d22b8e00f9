#pragma once
// What the Printer Select tab and its dialogs need of the monitor beyond a
// setting tab's context: the two printer combos and the list behind them,
// the remembered addresses, the monitor timer, the event loop the dialogs
// wait in, and the link for the tab's own printer commands.
#include <ctime>
#include <functional>

#include "link/buffer_writes.h"
#include "link/channel.h"
#include "link/discovery.h"
#include "link/ip_history.h"
#include "link/net_requests.h"
#include "ui/controls.h"
#include "ui/event_loop.h"

namespace orvan::network {

struct PrinterSelectShell {
    ui::EventLoop& loop;
    link::Channel& channel;
    link::NetworkRequests& requests;
    link::Discovery& discovery;
    link::IpHistory& history;
    ui::ComboBox& statusCombo;   // Combo0, on the "Printer Status" tab
    ui::ComboBox& printerCombo;  // Combo7_1, on this tab
    // Set while the shell moves the combos itself; their clicks are then not
    // the user's choice.
    const bool& selectingPrinter;
    // The shell's list rebuild: discovery, both combos on their first
    // position, the first printer selected. False when the program must end.
    std::function<bool()> rebuildPrinterList;
    // false stops the monitor timer, true starts it again.
    std::function<void(bool)> runMonitor;
    // The workstation's local time, read once per use.
    std::function<std::tm()> localTime = link::WorkstationLocalTime;
};

}  // namespace orvan::network
