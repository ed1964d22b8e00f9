#pragma once
// Outside control of a running simulation: one command per line, e.g.
//   usb 0 error -0x0102D000     net 0 ink 25     usb 0 job "alice" "report.doc"
//   usb 0 counter print 1234    usb 0 remove     fail KQCMD_ModeSelect 1 3
//   reset
// Lines come from a file anyone can write to, so every word is checked and a
// line that does not parse is ignored as a whole.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "simulator/simulated_printers.h"

namespace orvan::sim {

struct ControlCommand {
    enum class Target { World, Usb, Network };
    Target target = Target::World;
    int index = 0;
    std::string verb;
    std::vector<std::int64_t> numbers;
    std::vector<std::string> texts;
};

inline constexpr std::size_t kMaxControlLine = 1024;

// Words of a line; "..." groups blanks into a word, \" and \\ escape inside
// quotes. nullopt for an unbalanced quote or a control character.
std::optional<std::vector<std::string>> splitControlWords(std::string_view line);
// The inverse: a line that splits back into the same words.
std::string joinControlWords(std::span<const std::string> words);

std::optional<ControlCommand> parseControlWords(std::span<const std::string> words);
std::optional<ControlCommand> parseControlLine(std::string_view line);

// False when the command names a printer that does not exist.
bool applyControl(const ControlCommand& command, SimulatedPrinters& world);

// Help text listing every command.
std::string_view controlUsage();

}  // namespace orvan::sim
