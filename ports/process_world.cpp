#include "ports/process_world.h"

#include <cstdio>
#include <cstdlib>
#include "simulator/maintenance_report.h"

namespace orvan::ports {

namespace {

// Calls kept in memory: only the last, to name it in the call log; none
// without one, so a monitor that runs for weeks keeps no history.
constexpr std::size_t kKeptCalls = 1;

std::string callLogPath() {
    const char* log = std::getenv("ORVAN_SIM_CALL_LOG");
    return log != nullptr ? log : "";
}

}  // namespace

ProcessWorld::ProcessWorld()
    : callLog_(callLogPath()),
      shared_(sim::controlJournalPath()),
      commands_(shared_.printers()),
      settings_(shared_.printers()),
      guidance_(shared_.printers()),
      reportPath_(sim::maintenanceReportPath()) {
    shared_.printers().setCallLogLimit(callLog_.empty() ? 0 : kKeptCalls);
}

void ProcessWorld::logCall(std::uint64_t recordedBefore) {
    if (callLog_.empty()) return;
    const sim::SimulatedPrinters& world = shared_.printers();
    const bool recorded = world.recordedCalls() != recordedBefore && !world.calls().empty();
    // The operation's name, then the bytes it was handed, in hex: a test in
    // another process sees what a printer received.
    std::string line = recorded ? world.calls().back().operation : "call";
    if (recorded)
        for (std::uint8_t b : world.calls().back().bytes) {
            char hex[4];
            std::snprintf(hex, sizeof hex, " %02x", b);
            line += hex;
        }
    if (std::FILE* f = std::fopen(callLog_.c_str(), "a")) {
        std::fprintf(f, "%s\n", line.c_str());
        std::fclose(f);
    }
}

// Written only when something changed; a report that cannot be written is
// tried again on the next call.
void ProcessWorld::report() {
    sim::SimulatedPrinters& world = shared_.printers();
    std::string maintenance = sim::maintenanceReport(world);
    if (maintenance != published_ && sim::replaceFile(reportPath_, maintenance))
        published_ = std::move(maintenance);
    if (reportedPrinters() == sim::ReportedPrinters::None) return;
    std::string text = sim::describePrinters(world, reportedPrinters());
    if (text == reported_) return;
    if (sim::replaceFile(sim::reportPath(shared_.journal().path(), reportedPrinters()), text))
        reported_ = std::move(text);
}

ProcessWorld& ProcessWorld::instance() {
    static ProcessWorld world;
    return world;
}

}  // namespace orvan::ports
