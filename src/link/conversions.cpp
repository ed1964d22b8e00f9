#include "link/conversions.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstdio>

namespace orvan::link {

namespace {

std::uint8_t byteAt(std::span<const std::uint8_t> bytes, std::size_t i) {
    return i < bytes.size() ? bytes[i] : 0;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Large enough that any part above it fails, small enough never to overflow.
constexpr long long kSaturation = 1'000'000'000LL;

// The lenient numeric reading of one address part: optional blanks, an
// optional sign, digits, an optional fraction. Anything after that is ignored.
long long lenientNumber(std::string_view part) {
    std::size_t i = 0;
    while (i < part.size() && isBlank(part[i])) ++i;
    bool negative = false;
    if (i < part.size() && (part[i] == '-' || part[i] == '+')) negative = part[i++] == '-';
    long long whole = 0;
    for (; i < part.size() && isDigit(part[i]); ++i) {
        whole = whole >= kSaturation ? kSaturation : whole * 10 + (part[i] - '0');
    }
    int firstDecimal = 0;
    bool restNonZero = false;
    if (i < part.size() && part[i] == '.') {
        ++i;
        if (i < part.size() && isDigit(part[i])) firstDecimal = part[i++] - '0';
        for (; i < part.size() && isDigit(part[i]); ++i) restNonZero |= part[i] != '0';
    }
    const bool tie = firstDecimal == 5 && !restNonZero;
    if (firstDecimal > 5 || (firstDecimal == 5 && (restNonZero || (tie && whole % 2 == 1)))) {
        ++whole;
    }
    return negative ? -whole : whole;
}

}  // namespace

std::string NumberText(long long value) {
    return value < 0 ? std::to_string(value) : " " + std::to_string(value);
}

int LeadingNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    long long value = 0;
    constexpr long long kLimit = 1LL << 32;  // past either end of int
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        value = std::min(kLimit, value * 10 + (text[i] - '0'));
    if (negative) value = -value;
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

std::string FormatIPv4(std::span<const std::uint8_t> bytes) {
    std::string text;
    for (std::size_t i = 0; i < 4; ++i) {
        if (i) text += '.';
        text += std::to_string(byteAt(bytes, i));
    }
    return text;
}

std::string FormatIPv4Spaced(std::span<const std::uint8_t> bytes) {
    std::string text;
    for (std::size_t i = 0; i < 4; ++i) {
        if (i) text += '.';
        text += NumberText(byteAt(bytes, i));
    }
    return text;
}

int ParseIPv4(std::string_view text, int maxPart, std::span<std::uint8_t> out) {
    if (text.size() < 7 || out.size() < 4) return kParseFailed;
    std::size_t pos = 0;
    for (std::size_t k = 0; k < 4; ++k) {
        std::string_view part;
        if (k < 3) {
            const std::size_t dot = text.find('.', pos);
            if (dot == std::string_view::npos) return kParseFailed;
            part = text.substr(pos, dot - pos);
            pos = dot + 1;
        } else {
            part = text.substr(pos);
        }
        const long long value = lenientNumber(part);
        if (value < 0 || value > maxPart) return kParseFailed;
        out[k] = static_cast<std::uint8_t>(value);
    }
    return kParseOk;
}

IPv6Text FormatIPv6(std::span<const std::uint8_t> bytes) {
    std::string full;
    for (std::size_t k = 0; k < 8; ++k) {
        char group[8];
        const unsigned value = byteAt(bytes, 2 * k) * 256u + byteAt(bytes, 2 * k + 1);
        std::snprintf(group, sizeof group, k ? ":%X" : "%X", value);
        full += group;
    }
    if (full == "0:0:0:0:0:0:0:0") return {"", kIPv6AllZero};
    // Longest run first; each pattern has a group on both sides of its zeros.
    static constexpr std::array<std::string_view, 5> kRuns = {
        ":0:0:0:0:0:0:", ":0:0:0:0:0:", ":0:0:0:0:", ":0:0:0:", ":0:0:"};
    for (std::string_view run : kRuns) {
        const std::size_t at = full.find(run);
        if (at == std::string::npos) continue;
        return {full.substr(0, at + 1) + full.substr(at + run.size() - 1), kIPv6Compressed};
    }
    return {full, kIPv6Full};
}

bool ParseIPv6(std::string_view text, std::span<std::uint8_t> out) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    if (out.size() < 16 || text.size() < 4 || text.size() > 39 || text.front() == ':') {
        return false;
    }
    // A trailing "::" compresses the tail; drop one colon so the mark is the
    // empty last group, as a "::" in the middle would be. A lone trailing ":"
    // is a group missing.
    if (text.ends_with("::")) {
        text.remove_suffix(1);
    } else if (text.back() == ':') {
        return false;
    }

    std::array<std::uint16_t, 8> groups{};
    std::size_t count = 0;
    int mark = -1;  // number of groups before the "::"
    std::size_t pos = 0;
    while (true) {
        const std::size_t colon = std::min(text.find(':', pos), text.size());
        const std::string_view group = text.substr(pos, colon - pos);
        if (group.empty()) {
            if (mark >= 0) return false;
            mark = static_cast<int>(count);
        } else {
            if (count == groups.size()) return false;
            unsigned value = 0;
            for (char c : group) {
                const int digit = hexValue(c);
                if (digit < 0) return false;
                value = value * 16 + static_cast<unsigned>(digit);
                if (value > 0xFFFF) return false;
            }
            groups[count++] = static_cast<std::uint16_t>(value);
        }
        if (colon == text.size()) break;
        pos = colon + 1;
    }
    if (mark < 0 && count != groups.size()) return false;
    if (mark >= 0) {
        // Move the groups after the mark to the end; zeros fill the gap.
        const std::size_t after = count - static_cast<std::size_t>(mark);
        const std::size_t gap = groups.size() - count;
        for (std::size_t i = 0; i < after; ++i) {
            const std::size_t from = count - 1 - i;
            groups[from + gap] = groups[from];
        }
        for (std::size_t i = 0; i < gap; ++i) groups[static_cast<std::size_t>(mark) + i] = 0;
    }
    for (std::size_t k = 0; k < groups.size(); ++k) {
        out[2 * k] = static_cast<std::uint8_t>(groups[k] >> 8);
        out[2 * k + 1] = static_cast<std::uint8_t>(groups[k] & 0xFF);
    }
    return true;
}

namespace {

// One character of UTF-8 text starting at text[i]: its code point and length,
// or the byte itself with length 1 when no valid sequence starts there.
std::pair<std::uint32_t, std::size_t> decodeUtf8(std::string_view text, std::size_t i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t length = lead >= 0xC2 && lead <= 0xDF   ? 2
                               : lead >= 0xE0 && lead <= 0xEF ? 3
                               : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                              : 1;
    if (length == 1 || i + length > text.size()) return {lead, 1};
    std::uint32_t code = lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[i + k]);
        if ((next & 0xC0) != 0x80) return {lead, 1};
        code = (code << 6) | (next & 0x3F);
    }
    static constexpr std::array<std::uint32_t, 5> kSmallest = {0, 0, 0x80, 0x800, 0x10000};
    const bool valid =
        code >= kSmallest[length] && code <= 0x10FFFF && !(code >= 0xD800 && code <= 0xDFFF);
    return valid ? std::pair{code, length} : std::pair<std::uint32_t, std::size_t>{lead, 1};
}

void appendUnit(std::vector<std::uint8_t>& out, std::uint32_t unit) {
    out.push_back(static_cast<std::uint8_t>(unit & 0xFF));
    out.push_back(static_cast<std::uint8_t>((unit >> 8) & 0xFF));
}

}  // namespace

std::vector<std::uint8_t> TextToWideBytes(std::string_view text) {
    std::vector<std::uint8_t> out;
    out.reserve(2 * (text.size() + 1));
    for (std::size_t i = 0; i < text.size();) {
        const auto [code, length] = decodeUtf8(text, i);
        i += length;
        if (code >= 0x10000) {
            appendUnit(out, 0xD800 + ((code - 0x10000) >> 10));
            appendUnit(out, 0xDC00 + ((code - 0x10000) & 0x3FF));
        } else {
            appendUnit(out, code);
        }
    }
    appendUnit(out, 0);
    return out;
}

namespace {

bool continuation(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

// One character of `text` from `i` as a single-byte code; `i` moves past it.
std::uint8_t nextSingleByte(std::string_view text, std::size_t& i) {
    const auto lead = static_cast<unsigned char>(text[i++]);
    if (lead < 0xC2 || lead > 0xF4) return lead;
    const std::size_t length = lead <= 0xDF ? 2 : lead <= 0xEF ? 3 : 4;
    if (i + length - 1 > text.size()) return lead;
    for (std::size_t k = 0; k < length - 1; ++k)
        if (!continuation(static_cast<unsigned char>(text[i + k]))) return lead;
    const auto second = static_cast<unsigned char>(text[i]);
    i += length - 1;
    if (length == 2 && lead <= 0xC3)
        return static_cast<std::uint8_t>(((lead & 0x1F) << 6) | (second & 0x3F));
    return '?';
}

}  // namespace

std::string SingleByteText(std::span<const std::uint8_t> bytes, std::size_t maxLength) {
    std::string text;
    for (std::size_t i = 0; i < bytes.size() && i < maxLength && bytes[i] != 0; ++i) {
        const std::uint8_t b = bytes[i];
        if (b < 0x80) {
            text.push_back(static_cast<char>(b));
        } else {
            text.push_back(static_cast<char>(0xC0 | (b >> 6)));
            text.push_back(static_cast<char>(0x80 | (b & 0x3F)));
        }
    }
    return text;
}

std::vector<std::uint8_t> SingleByteCodes(std::string_view text, std::size_t maxLength) {
    std::vector<std::uint8_t> codes;
    std::size_t i = 0;
    while (codes.size() < maxLength && i < text.size()) codes.push_back(nextSingleByte(text, i));
    return codes;
}

std::size_t LengthToNul(std::string_view text) {
    const std::size_t nul = text.find('\0');
    return nul == std::string_view::npos ? text.size() : nul;
}

}  // namespace orvan::link
