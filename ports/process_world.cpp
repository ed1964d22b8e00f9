#include "ports/process_world.h"

#include "simulator/maintenance_report.h"

namespace orvan::ports {

ProcessWorld::ProcessWorld()
    : world_(sim::defaultScenario()),
      commands_(world_),
      settings_(world_),
      journal_(sim::controlJournalPath()),
      reportPath_(sim::maintenanceReportPath()) {}

void ProcessWorld::publishMaintenance() {
    std::string report = sim::maintenanceReport(world_);
    if (report == published_) return;
    // A report that cannot be written is tried again with the next call.
    if (sim::writeMaintenanceReport(reportPath_, report)) published_ = std::move(report);
}

ProcessWorld& ProcessWorld::instance() {
    static ProcessWorld world;
    return world;
}

}  // namespace orvan::ports
