#include "network/printer_name.h"

#include <algorithm>

namespace orvan::network {
namespace {

bool continuation(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

// One character of `text` from `i` as a code page byte; `i` moves past it.
// Bytes that start no valid sequence stand for themselves.
std::uint8_t nextCharacter(std::string_view text, std::size_t& i) {
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

void appendUtf8(std::string& out, std::uint8_t byte) {
    if (byte < 0x80) {
        out.push_back(static_cast<char>(byte));
        return;
    }
    out.push_back(static_cast<char>(0xC0 | (byte >> 6)));
    out.push_back(static_cast<char>(0x80 | (byte & 0x3F)));
}

}  // namespace

std::string PrinterNameText(const link::NetworkSettingPage& page) {
    std::string text;
    for (std::size_t i = 0; i < kPrinterNameLength && page.Name[i] != 0; ++i)
        appendUtf8(text, page.Name[i]);
    return text;
}

void StorePrinterName(link::NetworkSettingPage& page, std::string_view text) {
    std::fill(page.Name.begin(), page.Name.end(), 0);
    std::size_t i = 0;
    for (std::size_t n = 0; n < kPrinterNameLength && i < text.size(); ++n)
        page.Name[n] = nextCharacter(text, i);
}

}  // namespace orvan::network
