#pragma once
// Reading the printer's network replies and other byte areas it fills. A reply
// is a run of items [id][length][length bytes of data]; the value starts at
// item byte 3 (data byte 0 is unused). Every reader here stays inside the
// bytes it is given: a byte that was not received counts as missing.
#include <cstdint>
#include <functional>
#include <span>
#include <string>

namespace orvan::link {

using ReplyItemVisitor = std::function<void(std::uint8_t id, std::span<const std::uint8_t> item)>;

// Calls visit for each item of reply (the bytes actually received), in order.
// `item` covers id, length and data, cut off at the end of the reply; an item
// whose length runs past the end is the last one visited. A lone id byte with
// no length is not an item.
void walkReplyItems(std::span<const std::uint8_t> reply, const ReplyItemVisitor& visit);

inline constexpr std::size_t kItemValueOffset = 3;

// True when the item carries at least its first value byte.
inline bool hasValue(std::span<const std::uint8_t> item) {
    return item.size() > kItemValueOffset;
}

// Item byte 3, or 0 when the item is too short to hold it.
std::uint8_t valueByte(std::span<const std::uint8_t> item);

// Big-endian 32-bit number at item bytes 3..6; a byte outside the item counts as 0.
std::int32_t valueBigEndian32(std::span<const std::uint8_t> item);

// Big-endian number over the value bytes the item holds (at most 4), for
// values whose width the printer chooses (1, 2 or 4 bytes).
std::int32_t valueNumber(std::span<const std::uint8_t> item);

// Single-byte characters from item byte 3, ended by a 0 byte, the end of the
// item or maxLen characters.
std::string valueText(std::span<const std::uint8_t> item, std::size_t maxLen);

// Up to n value bytes from item byte 3: fewer when the item is shorter.
std::span<const std::uint8_t> valueBlock(std::span<const std::uint8_t> item, std::size_t n);

// Big-endian 32-bit number at bytes[offset..offset+3]; bytes outside count as 0.
std::int32_t bigEndian32At(std::span<const std::uint8_t> bytes, std::size_t offset);

// Text of 16-bit little-endian character codes (owner and document names):
// at most maxCodes codes, ended early by a 0 code or the end of the bytes.
// The result is UTF-8; a code that is half of a surrogate pair becomes '?'.
std::string textFromCodes16(std::span<const std::uint8_t> bytes, std::size_t maxCodes);

}  // namespace orvan::link
