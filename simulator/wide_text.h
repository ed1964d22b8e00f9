#pragma once
// Two-byte character codes as the printers use them (low byte first).
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace orvan::sim {

// UTF-8 to two-byte codes; a malformed sequence or a character beyond the
// two-byte range becomes '?'.
std::u16string toWide(std::string_view text);
std::string fromWide(std::u16string_view codes);

// Stores up to `codes` characters of text at out (2 bytes each, low byte
// first); the rest of the field is left as it is.
void putWide(std::span<std::uint8_t> out, std::size_t codes, std::string_view text);

}  // namespace orvan::sim
