#pragma once
// What the printers of a running monitor last received for maintenance: the
// stand-in libraries keep it in a small file beside the control file (written
// and read like the other reports, see world_report.h), and `orvan-sim last`
// shows it.
#include <string>

#include "simulator/simulated_printers.h"

namespace orvan::sim {

// The control file's path with ".last" added.
std::string maintenanceReportPath();

// One line per test print and firmware download a printer last answered,
// e.g. "usb 0 test print 23 (both sides): answered 0"; empty when there are none.
std::string maintenanceReport(SimulatedPrinters& world);

// A result code as the printers' documents write it: 0, 1, -0x0102DE00.
std::string resultText(ResultCode code);

}  // namespace orvan::sim
