#pragma once
// The item codes a network printer answers and takes, mapped onto the same
// page bytes, counters and buffers its USB side holds.
#include <cstddef>
#include <optional>
#include <span>

#include "simulator/sim_printer.h"

namespace orvan::sim {

enum class ItemSpace { Setting, Property, Status };

// Reply of a query: items [id][length][0][value...]; items the printer does
// not know are left out, and the reply never grows beyond `most` bytes.
Bytes buildItemReply(SimPrinter& printer, ItemSpace space, std::span<const int> items,
                     std::size_t most);

// One setting value; false when the item cannot be written or the value is
// too short for it.
bool writeSettingItem(SimPrinter& printer, int item, std::span<const std::uint8_t> value);

// Print queue: byte 0 the number of documents, records of 54 two-byte codes
// (owner 0..15, document 16..47) from byte 4, at most five.
Bytes buildQueueReply(const SimPrinter& printer);

}  // namespace orvan::sim
