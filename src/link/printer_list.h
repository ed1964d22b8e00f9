#pragma once
// The discovered printers, the network printer list as the settings library
// delivers it, and the entry codes that tell the Printer Select combo what
// each of its positions holds.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "link/link_state.h"

namespace orvan::link {

enum class EntryKind : std::int16_t { Usb = 0, Listed = 1, Searched = 2 };

using IPv4Bytes = std::array<std::uint8_t, 4>;

struct PrinterEntry {
    std::string displayName;  // what both printer combos show
    EntryKind kind = EntryKind::Usb;
    std::int32_t slot = 0;  // USB only
    std::int32_t scsiId = 0;
    std::string name;  // network only, at most 10 characters
    IPv4Bytes ipv4{};  // all 0 in an IPv6 list
    AddressBytes ipv6{};
};

// Codes of the Printer Select combo positions. 0, 1 and 2 are the entry
// kinds; a stored address slot s gives 100 + s (it is the searched printer)
// or 200 + s (listed on its own).
namespace entry_code {
inline constexpr std::int16_t kUnused = -1;
inline constexpr std::int16_t kNoPrinter = 10;
inline constexpr std::int16_t kStoredSeparator = 11;
inline constexpr std::int16_t kDeleteSeparator = 12;
inline constexpr std::int16_t kDeletePrinter = 13;
inline constexpr std::int16_t kSearchedStored = 100;  // + slot
inline constexpr std::int16_t kStored = 200;          // + slot
}  // namespace entry_code

inline constexpr std::size_t kEntryCodeCount = 30;
using EntryCodes = std::array<std::int16_t, kEntryCodeCount>;

inline constexpr const char* kNoPrinterText = "No Printer";
inline constexpr const char* kSeparatorText = "--------------";
inline constexpr const char* kDeletePrinterText = "Delete Printer";

// Layout of the network printer list data.
namespace list_layout {
inline constexpr std::size_t kCount = 4;  // 32-bit little-endian
inline constexpr std::size_t kFirstEntry = 22;
inline constexpr std::size_t kEntrySize = 104;
inline constexpr std::size_t kName = 0;
inline constexpr std::size_t kNameLength = 10;
inline constexpr std::size_t kIPv4 = 10;
inline constexpr std::size_t kIPv6 = 42;
inline constexpr std::size_t kSecondIPv6 = 58;
inline constexpr std::size_t kMaxEntries = 10;
// The most list data we accept from the library; a real list is ~1 KiB.
inline constexpr std::int32_t kMaxDataSize = 64 * 1024;
}  // namespace list_layout

// Which IPv6 address a list entry is reached at: a link-local looking first
// address gives way to the second one when the printer reports one.
AddressBytes chooseListedIPv6(std::span<const std::uint8_t, 16> first,
                              std::span<const std::uint8_t, 16> second);

// The entries of a network printer list (kind Listed). Only entries whose
// bytes are all present are used, never more than ten.
std::vector<PrinterEntry> parseNetworkList(std::span<const std::uint8_t> data, bool ipv6List);

// Makes entry the watched printer: a network entry gives its IPv6 address in
// an IPv6 list, else its IPv4 address; a USB entry its slot and SCSI id.
void selectEntry(const PrinterEntry& entry, bool ipv6List, SelectedPrinter& selected);

}  // namespace orvan::link
