#pragma once
// The simulated printers behind one stand-in library: the world every process
// shares (simulator/shared_world.h), current before every call and kept in
// step with the control file. The libraries' C entry points go through run().
#include <cstdint>
#include <exception>
#include <mutex>
#include <string>

#include "simulator/shared_world.h"
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
            result = shared_.run([&](sim::SimulatedPrinters& printers) {
                const std::uint64_t before = printers.recordedCalls();
                const std::int32_t answer = call(*this);
                logCall(before);
                return answer;
            });
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
    // its operation's name and the bytes it was handed, so a test can count
    // what another process asked and see what the printer received.
    void logCall(std::uint64_t recordedBefore);

    std::mutex mutex_;
    std::string callLog_;
    sim::SharedWorld shared_;
    sim::SimCommandPort commands_;
    sim::SimSettingsPort settings_;
    sim::SimGuidance guidance_;
    std::string reported_;
    std::string reportPath_;
    std::string published_;
};

// The printers this library reports on: each library's exports say.
sim::ReportedPrinters reportedPrinters();

}  // namespace orvan::ports
