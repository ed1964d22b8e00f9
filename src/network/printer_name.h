#pragma once
// The printer name of the network page: up to ten single-byte characters,
// padded with 0 bytes. The window works in UTF-8, so each byte is one
// character of the 8-bit code page (Latin-1) and back.
#include <string>
#include <string_view>

#include "link/settings_image.h"

namespace orvan::network {

inline constexpr std::size_t kPrinterNameLength = 10;

// The name bytes up to the first 0, at most ten, as text.
std::string PrinterNameText(const link::NetworkSettingPage& page);

// The first ten characters of `text` into the name bytes, 0 after its end.
// A character the code page lacks becomes "?"; a character is never split.
void StorePrinterName(link::NetworkSettingPage& page, std::string_view text);

}  // namespace orvan::network
