#pragma once
// The simulated printers behind one stand-in library: created with the
// default scenario on the first call, and kept in step with the control file
// before every call. The libraries' C entry points go through run().
#include <cstdint>
#include <exception>
#include <mutex>

#include "simulator/control_journal.h"
#include "simulator/sim_command_port.h"
#include "simulator/sim_guidance.h"
#include "simulator/sim_settings_port.h"
#include "simulator/world_report.h"

namespace orvan::ports {

class ProcessWorld {
  public:
    static ProcessWorld& instance();

    // Runs one library call on the world. No exception leaves a C entry
    // point: anything thrown becomes the library's invalid-parameter code.
    template <class Call>
    std::int32_t run(Call&& call) {
        std::lock_guard lock(mutex_);
        std::int32_t result = sim::kInvalidArgument;
        try {
            journal_.poll(world_);
            result = call(*this);
            report();
        } catch (...) {
        }
        return result;
    }

    sim::SimCommandPort& commands() { return commands_; }
    sim::SimSettingsPort& settings() { return settings_; }
    sim::SimGuidance& guidance() { return guidance_; }

  private:
    ProcessWorld();
    // Keeps the report file of this library's printers current.
    void report();

    std::mutex mutex_;
    sim::SimulatedPrinters world_;
    sim::SimCommandPort commands_;
    sim::SimSettingsPort settings_;
    sim::SimGuidance guidance_;
    sim::ControlJournal journal_;
    std::string reported_;
};

// The printers this library reports on: each library's exports say.
sim::ReportedPrinters reportedPrinters();

}  // namespace orvan::ports
