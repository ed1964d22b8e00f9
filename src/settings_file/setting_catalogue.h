#pragma once
// Every setting a settings file carries: its key (the settings image's field
// name), the caption a person knows it by, the byte values it may take, the
// unit it needs and how it reaches the printer. The tabs write exactly these;
// the network identity, the IPsec keys, passwords, the clock and the
// counters are never part of a file.
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "link/link_plan.h"
#include "link/settings_image.h"

namespace orvan::settings_file {

// What must be fitted for a setting to mean something on a printer.
enum class Unit : std::uint8_t {
    None,
    TurnOver,    // option byte 44
    IsoEncoder,  // option byte 40 = 1
    JisEncoder,  // option byte 40 = 2
    AnyEncoder,  // option byte 40 = 1 or 2
    BendRemedy,  // option byte 45
    Laminator,   // option byte 47
};

// How a setting travels: the mode page over USB, the screen's request over
// the network.
enum class Carrier : std::uint8_t {
    Condition,   // page 0x28, the Printer Setting requests
    Magnetic,    // page 0x2A, with the Printer Setting requests
    Retransfer,  // page 0x28, the Retransfer requests
    Media,       // page 0x28, the Media Setting requests
    BendRemedy,  // page 0x28, the Bend Remedy requests
    Laminator,   // page 0x2C
    Network,     // page 0x2D, only on request
};

struct Setting {
    std::string_view key;      // "PrintCondition.Byte41"
    std::string_view caption;  // "Resin K Ink Print Level"
    link::FieldRef field;
    Carrier carrier;
    Unit unit;
    std::int16_t low, high;         // the bytes it may hold
    std::int16_t step = 1;          // 2: only low, low + 2, ... (the media choices)
    std::int16_t shownOffset = 0;   // the tab shows the byte minus this
    std::int16_t alsoAllowed = -1;  // one byte outside low..high that is valid (bend off)
};

std::span<const Setting> settingCatalogue();
const Setting* findSetting(std::string_view key);

// The byte a shown value stands for, and back.
inline int byteOf(const Setting& s, int shown) {
    return shown + s.shownOffset;
}
inline int shownOf(const Setting& s, int byte) {
    return byte - s.shownOffset;
}
bool byteAllowed(const Setting& s, int byte);
// The shown values a setting takes, as text for a message ("-3..3").
std::string shownRange(const Setting& s);

// Whether the unit is fitted, by the inquiry's option bytes.
bool unitFitted(Unit unit, const link::Identity& identity);
std::string_view unitName(Unit unit);

// Reading and writing each carrier.
struct CarrierLink {
    std::uint8_t usbPage;
    link::NetOperation netRead;
    link::NetOperation netWrite;
    std::string_view usbTitle;  // how a report names the write over USB
    std::string_view screen;    // the tab whose Update writes it, and whose
    std::size_t rightIndex;     // right a user needs to change it
};
const CarrierLink& carrierLink(Carrier carrier);

}  // namespace orvan::settings_file
