#pragma once
// The simulated printers behind one stand-in library: created with the
// default scenario on the first call, and kept in step with the control file
// before every call. The libraries' C entry points go through run().
#include <cstdint>
#include <exception>
#include <mutex>
#include <string>

#include "simulator/control_journal.h"
#include "simulator/sim_command_port.h"
#include "simulator/sim_settings_port.h"

namespace orvan::ports {

class ProcessWorld {
  public:
    static ProcessWorld& instance();

    // Runs one library call on the world. No exception leaves a C entry
    // point: anything thrown becomes the library's invalid-parameter code.
    template <class Call>
    std::int32_t run(Call&& call) {
        std::lock_guard lock(mutex_);
        try {
            journal_.poll(world_);
            const std::int32_t result = call(*this);
            publishMaintenance();
            return result;
        } catch (...) {
            return sim::kInvalidArgument;
        }
    }

    sim::SimCommandPort& commands() { return commands_; }
    sim::SimSettingsPort& settings() { return settings_; }

  private:
    ProcessWorld();
    // Tells `orvan-sim last` what the printers last received, when that changed.
    void publishMaintenance();

    std::mutex mutex_;
    sim::SimulatedPrinters world_;
    sim::SimCommandPort commands_;
    sim::SimSettingsPort settings_;
    sim::ControlJournal journal_;
    std::string reportPath_;
    std::string published_;
};

}  // namespace orvan::ports
