#pragma once
// The simulated world as bytes, for the state file every process shares:
// the printers with everything they keep, the ports' attached and listed
// flags, the scripted faults, and how far the control file was applied. The
// call log stays out: it belongs to the process that made the calls.
#include <cstdint>
#include <optional>
#include <span>

#include "simulator/control_journal.h"
#include "simulator/simulated_printers.h"

namespace orvan::sim {

struct WorldState {
    SimulatedPrinters printers;
    JournalPosition journal;
    std::uint64_t generation = 0;  // rises with every save
};

class WorldCodec {
  public:
    // More than the largest world the limits allow (64 network printers with
    // every download buffer full), so a file past it is not ours.
    static constexpr std::size_t kMaxEncodedSize = 8 * 1024 * 1024;

    // The magic and the generation come first, so a reader can tell whether
    // the file changed from its first kHeaderSize bytes.
    static constexpr std::size_t kHeaderSize = 16;

    static Bytes encode(const SimulatedPrinters& printers, const JournalPosition& journal,
                        std::uint64_t generation);
    // The generation, from at least the header's bytes; nullopt without our magic.
    static std::optional<std::uint64_t> generation(std::span<const std::uint8_t> header);
    // nullopt for anything that is not a whole, well-formed state: wrong
    // magic, cut short, trailing bytes, counts or values out of range.
    static std::optional<WorldState> decode(std::span<const std::uint8_t> bytes);

  private:
    class Writer;
    class Reader;
    static void encodePrinter(Writer& out, const SimPrinter& p);
    static bool decodePrinter(Reader& in, SimPrinter& p);
    static void encodeWorld(Writer& out, const SimulatedPrinters& w);
    static bool decodeWorld(Reader& in, SimulatedPrinters& w);
};

}  // namespace orvan::sim
