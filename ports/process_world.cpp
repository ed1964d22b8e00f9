#include "ports/process_world.h"

namespace orvan::ports {

ProcessWorld::ProcessWorld()
    : world_(sim::defaultScenario()),
      commands_(world_),
      settings_(world_),
      guidance_(world_),
      journal_(sim::controlJournalPath()) {}

ProcessWorld& ProcessWorld::instance() {
    static ProcessWorld world;
    return world;
}

}  // namespace orvan::ports
