#include "ports/process_world.h"

namespace orvan::ports {

ProcessWorld::ProcessWorld()
    : world_(sim::defaultScenario()),
      commands_(world_),
      settings_(world_),
      guidance_(world_),
      journal_(sim::controlJournalPath()) {}

// Written only when something changed; a report that cannot be written is
// tried again on the next call.
void ProcessWorld::report() {
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
