// Address texts come from the user and the configuration file: the parsers
// must never read outside the text, and what the formatters write must parse
// back to the same bytes.
#include <array>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "link/conversions.h"

namespace {

void check(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvan::link;
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    std::array<std::uint8_t, 4> v4{};
    const int max = size ? data[0] : 255;
    if (ParseIPv4(text, max, v4) == kParseOk) {
        std::array<std::uint8_t, 4> again{};
        check(ParseIPv4(FormatIPv4(v4), 255, again) == kParseOk && again == v4);
        check(ParseIPv4(FormatIPv4Spaced(v4), 255, again) == kParseOk && again == v4);
    }

    std::array<std::uint8_t, 16> v6{};
    if (ParseIPv6(text, v6)) {
        const IPv6Text formatted = FormatIPv6(v6);
        std::array<std::uint8_t, 16> again{};
        check(formatted.result == kIPv6AllZero ||
              (ParseIPv6(formatted.text, again) && again == v6));
    }

    // The input's bytes as an address: formatting reads only what is there.
    const IPv6Text raw = FormatIPv6({data, size});
    check(raw.text.size() <= 39);
    check(raw.result == kIPv6AllZero || raw.result == kIPv6Compressed || raw.result == kIPv6Full);
    check(FormatIPv4({data, size}).size() <= 15);

    const std::vector<std::uint8_t> wide = TextToWideBytes(text);
    check(wide.size() % 2 == 0 && wide.size() >= 2 && wide.size() <= 2 * (size + 1));
    check(wide[wide.size() - 2] == 0 && wide.back() == 0);
    check(LengthToNul(text) <= size);
    return 0;
}
