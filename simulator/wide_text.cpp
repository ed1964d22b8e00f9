#include "simulator/wide_text.h"

namespace orvan::sim {
namespace {

// Length of the sequence a lead byte starts, 0 for a byte that cannot lead.
int sequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if ((lead & 0xE0) == 0xC0) return 2;
    if ((lead & 0xF0) == 0xE0) return 3;
    if ((lead & 0xF8) == 0xF0) return 4;
    return 0;
}

}  // namespace

std::u16string toWide(std::string_view text) {
    std::u16string out;
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int n = sequenceLength(lead);
        if (n == 0 || i + n > text.size()) {
            out.push_back(u'?');
            ++i;
            continue;
        }
        char32_t cp = n == 1 ? lead : lead & (0x7F >> n);
        bool ok = true;
        for (int k = 1; k < n; ++k) {
            const auto c = static_cast<unsigned char>(text[i + k]);
            ok = ok && (c & 0xC0) == 0x80;
            cp = (cp << 6) | (c & 0x3F);
        }
        out.push_back(ok && cp <= 0xFFFF && (cp < 0xD800 || cp > 0xDFFF) ? static_cast<char16_t>(cp)
                                                                         : u'?');
        i += ok ? n : 1;
    }
    return out;
}

std::string fromWide(std::u16string_view codes) {
    std::string out;
    for (char16_t c : codes) {
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
        } else if (c < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (c >> 6)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xE0 | (c >> 12)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return out;
}

void putWide(std::span<std::uint8_t> out, std::size_t codes, std::string_view text) {
    const std::u16string wide = toWide(text);
    for (std::size_t k = 0; k < codes && k < wide.size() && 2 * k + 1 < out.size(); ++k) {
        out[2 * k] = static_cast<std::uint8_t>(wide[k] & 0xFF);
        out[2 * k + 1] = static_cast<std::uint8_t>(wide[k] >> 8);
    }
}

}  // namespace orvan::sim
