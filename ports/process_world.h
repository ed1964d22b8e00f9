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
            const std::size_t before = world_.calls().size();
            result = call(*this);
            logCall(before);
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
    // Keeps the report files current: this library's printers for `orvan-sim
    // show`, and what they last received for `orvan-sim last`.
    void report();
    // With ORVAN_SIM_CALL_LOG set, every call is appended to that file by
    // its operation's name, so a test can count what another process asked.
    void logCall(std::size_t callsBefore);

    std::mutex mutex_;
    sim::SimulatedPrinters world_;
    sim::SimCommandPort commands_;
    sim::SimSettingsPort settings_;
    sim::SimGuidance guidance_;
    sim::ControlJournal journal_;
    std::string reported_;
    std::string callLog_;
    std::string reportPath_;
    std::string published_;
};

// The printers this library reports on: each library's exports say.
sim::ReportedPrinters reportedPrinters();

}  // namespace orvan::ports
