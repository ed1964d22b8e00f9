#pragma once
// The item lists of every network request, as data. A read asks for items
// and stores each answered item into its field; a write sends items with
// their values. Setting items that are read and written share one list, so a
// field can never be read from one item and written to another.
#include <cstdint>
#include <span>
#include <vector>

#include "link/printer_data.h"

namespace orvan::link {

enum class RequestKind { Setting, Property, Status, Queue, Write };

enum class WriteRule : std::uint8_t {
    Always,
    Unless255,  // 255 means "not offered": the item is left out of the write
    Never,      // read only
};

using ItemStore = void (*)(PrinterData&, std::span<const std::uint8_t> item);
// Bytes a write sends for the item; empty leaves the item out.
using ItemValue = std::vector<std::uint8_t> (*)(const PrinterData&);

struct ItemDef {
    std::uint8_t id;
    FieldRef field = nullptr;   // one-byte setting: read into it (item byte 3) and written from it
    ItemStore store = nullptr;  // any other value read (text, number, block)
    ItemValue value = nullptr;  // any other value written
    WriteRule write = WriteRule::Always;
};

struct RequestDef {
    RequestKind kind;
    std::span<const ItemDef> items;
    // Store nothing unless the reply's first item is the first item asked for.
    bool firstItemMustMatch = false;
};

struct OperationDef {
    std::span<const RequestDef> requests;
    std::int32_t timeout = 300;  // reply wait
};

// Bytes a write sends for one item (empty: left out).
std::vector<std::uint8_t> itemValue(const ItemDef& item, const PrinterData& data);
// Stores one answered item into its field.
void storeItem(const ItemDef& item, PrinterData& data, std::span<const std::uint8_t> bytes);

enum class NetOp {
    IdentityRead,
    StatusTabRead,
    ConditionRead,
    ConditionWrite,
    RetransferRead,
    RetransferWrite,
    BendRemedyRead,
    BendRemedyWrite,
    MediaRead,
    MediaWrite,
    PropertyRead,
    LaminatorRead,
    LaminatorWrite,
    NetworkRead,
    NetworkWrite,
    SecurityLockRead,
    NameProbe,
    CounterClear,
    CounterReread,
};

// The requests of one operation, in the order they are sent.
const OperationDef& operation(NetOp op);

}  // namespace orvan::link
