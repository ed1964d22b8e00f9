#pragma once
// The control file that `orvan-sim` appends to and the port libraries follow:
// on each call a library looks whether the file grew and applies the new
// complete lines only.
#include <cstdint>
#include <string>
#include <string_view>

#include "simulator/simulated_printers.h"

namespace orvan::sim {

// ORVAN_SIM_CONTROL, else ${XDG_RUNTIME_DIR:-/tmp}/orvan-sim-<uid>.ctl.
std::string controlJournalPath();

// Appends one line; false when the file cannot be written.
bool appendControlLine(const std::string& path, std::string_view line);

// How far the control file has been applied. Shared by every process of one
// simulated world (see shared_world.h), so each line is applied once.
struct JournalPosition {
    std::uint64_t offset = 0;
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::string pending;    // an incomplete last line
    bool skipping = false;  // inside a line too long to be a command
    bool operator==(const JournalPosition&) const = default;
};

class ControlJournal {
  public:
    // Most bytes taken in by one poll, so that a huge file cannot stall a call.
    static constexpr std::size_t kMaxReadPerPoll = 64 * 1024;

    explicit ControlJournal(std::string path) : path_(std::move(path)) {}

    // Applies the complete lines added since the last poll; returns how many
    // commands were applied. A file that was replaced or cut short is read
    // again from its start.
    int poll(SimulatedPrinters& world);
    const std::string& path() const { return path_; }
    const JournalPosition& position() const { return position_; }
    void setPosition(JournalPosition position) { position_ = std::move(position); }

  private:
    int applyLines(SimulatedPrinters& world);

    std::string path_;
    JournalPosition position_;
};

}  // namespace orvan::sim
