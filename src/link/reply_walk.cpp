#include "link/reply_walk.h"

#include <algorithm>

namespace orvan::link {

void walkReplyItems(std::span<const std::uint8_t> reply, const ReplyItemVisitor& visit) {
    std::size_t start = 0;
    while (start + 2 <= reply.size()) {
        const std::size_t length = std::size_t{reply[start + 1]} + 2;
        const std::size_t available = std::min(length, reply.size() - start);
        visit(reply[start], reply.subspan(start, available));
        start += length;
    }
}

std::uint8_t valueByte(std::span<const std::uint8_t> item) {
    return hasValue(item) ? item[kItemValueOffset] : 0;
}

std::int32_t bigEndian32At(std::span<const std::uint8_t> bytes, std::size_t offset) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        const std::size_t at = offset + i;
        value = (value << 8) | (at < bytes.size() ? bytes[at] : 0u);
    }
    return static_cast<std::int32_t>(value);
}

std::int32_t valueBigEndian32(std::span<const std::uint8_t> item) {
    return bigEndian32At(item, kItemValueOffset);
}

std::int32_t valueNumber(std::span<const std::uint8_t> item) {
    std::uint32_t value = 0;
    for (std::uint8_t b : valueBlock(item, 4)) value = (value << 8) | b;
    return static_cast<std::int32_t>(value);
}

std::span<const std::uint8_t> valueBlock(std::span<const std::uint8_t> item, std::size_t n) {
    if (!hasValue(item)) return {};
    return item.subspan(kItemValueOffset, std::min(n, item.size() - kItemValueOffset));
}

std::string valueText(std::span<const std::uint8_t> item, std::size_t maxLen) {
    std::string text;
    for (std::uint8_t b : valueBlock(item, maxLen)) {
        if (b == 0) break;
        text += static_cast<char>(b);
    }
    return text;
}

namespace {

void appendUtf8(std::string& out, std::uint16_t code) {
    if (code >= 0xD800 && code <= 0xDFFF) {
        out += '?';
    } else if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

}  // namespace

std::string textFromCodes16(std::span<const std::uint8_t> bytes, std::size_t maxCodes) {
    std::string text;
    for (std::size_t i = 0; i < maxCodes && 2 * i + 1 < bytes.size(); ++i) {
        const auto code = static_cast<std::uint16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
        if (code == 0) break;
        appendUtf8(text, code);
    }
    return text;
}

}  // namespace orvan::link
