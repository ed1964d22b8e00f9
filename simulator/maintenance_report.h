#pragma once
// What the printers of a running monitor last received for maintenance: the
// stand-in libraries keep it in a small file beside the control file, and
// `orvan-sim last` shows it.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "simulator/simulated_printers.h"

namespace orvan::sim {

// The control file's path with ".last" added.
std::string maintenanceReportPath();

// One line per test print and firmware download a printer last answered,
// e.g. "usb 0 test print 23 (both sides): answered 0"; empty when there are none.
std::string maintenanceReport(SimulatedPrinters& world);

// Replaces the file whole through a temporary file, so a reader never sees
// half of it. False when it cannot be written.
bool writeMaintenanceReport(const std::string& path, std::string_view text);

// The report as written, at most kMaxReportSize bytes; nullopt without a file.
inline constexpr std::size_t kMaxReportSize = 64 * 1024;
std::optional<std::string> readMaintenanceReport(const std::string& path);

// A result code as the printers' documents write it: 0, 1, -0x0102DE00.
std::string resultText(ResultCode code);

}  // namespace orvan::sim
