#pragma once
// What the simulated printers hold that a person checking the monitor wants
// to see: their network page, the IPsec mode, the clock and the buffers the
// IPsec key download writes. The stand-in
// libraries keep a report file beside the control file (one per library);
// `orvan-sim show` prints it.
#include <cstddef>
#include <optional>
#include <string>

#include "simulator/simulated_printers.h"

namespace orvan::sim {

// None: a library that serves no printers (the colour guidance) keeps no report.
enum class ReportedPrinters { None, Usb, Network };

// One block per printer of that kind.
std::string describePrinters(const SimulatedPrinters& world, ReportedPrinters which);

// The report file of one library: the control file's path and ".usb" or ".net".
std::string reportPath(const std::string& controlPath, ReportedPrinters which);

// Replaces the file's content in one step (a reader never sees half of it);
// false when it cannot be written.
bool replaceFile(const std::string& path, const std::string& text);

// A report file as written, at most kMaxReportSize bytes; nullopt without one.
inline constexpr std::size_t kMaxReportSize = 64 * 1024;
std::optional<std::string> readReport(const std::string& path);

}  // namespace orvan::sim
