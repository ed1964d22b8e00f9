#pragma once
// The two maintenance commands of a USB printer. Each makes up to three
// attempts, pausing a second after a busy answer, and always goes to the
// printer that was selected when it started.
#include <string>

#include "link/channel.h"
#include "link/result_code.h"

namespace orvan::maintenance {

enum class TestSides { One = 0, Both = 1 };

// The diagnostic's test codes: 7 prints one side of a card, 23 both.
inline constexpr std::int32_t kOneSideTest = 7;
inline constexpr std::int32_t kBothSidesTest = 23;

link::ResultCode SendTestPrint(link::Channel& channel, TestSides sides);

// The library reads the file itself; it gets the path as two-byte characters.
link::ResultCode SendFirmware(link::Channel& channel, const std::string& path);

}  // namespace orvan::maintenance
