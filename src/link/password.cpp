#include "link/password.h"

#include <algorithm>

namespace orvan::link {

void WipeBytes(std::span<std::uint8_t> bytes) {
    volatile std::uint8_t* p = bytes.data();
    for (std::size_t i = 0; i < bytes.size(); ++i) p[i] = 0;
}

void WipeText(std::string& text) {
    WipeBytes(std::span(reinterpret_cast<std::uint8_t*>(text.data()), text.size()));
    text.clear();
}

void Password::wipe() {
    WipeBytes(bytes);
    length = 0;
}

// Code points up to U+00FF take one byte below 0x80, or two with a lead
// byte of 0xC2 or 0xC3; any other lead byte starts a character beyond them.
std::optional<std::size_t> SingleByteCodes(std::string_view text, std::span<std::uint8_t> out) {
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::uint8_t code = 0;
        if (lead >= 0x01 && lead <= 0x7F) {
            code = lead;
            i += 1;
        } else if ((lead == 0xC2 || lead == 0xC3) && i + 1 < text.size() &&
                   (static_cast<unsigned char>(text[i + 1]) & 0xC0) == 0x80) {
            code = static_cast<std::uint8_t>(((lead & 0x03) << 6) |
                                             (static_cast<unsigned char>(text[i + 1]) & 0x3F));
            i += 2;
        } else {
            return std::nullopt;
        }
        if (characters < out.size()) out[characters] = code;
        ++characters;
    }
    return characters;
}

std::optional<Password> PasswordFromText(std::string_view text) {
    Password password;
    const auto characters = SingleByteCodes(text, password.bytes);
    if (!characters) return std::nullopt;  // what was filled so far is wiped on the way out
    // A longer text (the box takes eight) sends its first eight characters;
    // the length never claims more bytes than the buffer holds.
    password.length = static_cast<std::int32_t>(std::min(*characters, kPasswordBytes));
    return password;
}

}  // namespace orvan::link
