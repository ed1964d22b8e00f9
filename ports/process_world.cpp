#include "ports/process_world.h"

#include <cstdio>
#include <cstdlib>
#include "simulator/maintenance_report.h"

namespace orvan::ports {

ProcessWorld::ProcessWorld()
    : world_(sim::defaultScenario()),
      commands_(world_),
      settings_(world_),
      guidance_(world_),
      journal_(sim::controlJournalPath()),
      reportPath_(sim::maintenanceReportPath()) {
    if (const char* log = std::getenv("ORVAN_SIM_CALL_LOG")) callLog_ = log;
}

void ProcessWorld::logCall(std::size_t callsBefore) {
    if (callLog_.empty()) return;
    // The simulator's own log drops its older half when full, so a call
    // shows as a change of its size either way.
    const auto& calls = world_.calls();
    const bool recorded = calls.size() != callsBefore && !calls.empty();
    if (std::FILE* f = std::fopen(callLog_.c_str(), "a")) {
        std::fprintf(f, "%s\n", recorded ? calls.back().operation.c_str() : "call");
        std::fclose(f);
    }
}

// Written only when something changed; a report that cannot be written is
// tried again on the next call.
void ProcessWorld::report() {
    std::string maintenance = sim::maintenanceReport(world_);
    if (maintenance != published_ && sim::replaceFile(reportPath_, maintenance))
        published_ = std::move(maintenance);
    if (reportedPrinters() == sim::ReportedPrinters::None) return;
    std::string text = sim::describePrinters(world_, reportedPrinters());
    if (text == reported_) return;
    if (sim::replaceFile(sim::reportPath(journal_.path(), reportedPrinters()), text))
        reported_ = std::move(text);
}

ProcessWorld& ProcessWorld::instance() {
    static ProcessWorld world;
    return world;
}

}  // namespace orvan::ports
