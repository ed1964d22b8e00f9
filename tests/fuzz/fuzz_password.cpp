// Passwords are typed by the user: the conversion must never read outside the
// text, never claim more than eight bytes, and accept exactly the texts whose
// characters all have a single-byte code.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "link/password.h"

namespace {

void check(bool condition) {
    if (!condition) std::abort();
}

// The UTF-8 form of single-byte codes.
std::string utf8(const std::uint8_t* codes, std::size_t n) {
    std::string text;
    for (std::size_t i = 0; i < n; ++i) {
        if (codes[i] < 0x80) {
            text += static_cast<char>(codes[i]);
        } else {
            text += static_cast<char>(0xC0 | (codes[i] >> 6));
            text += static_cast<char>(0x80 | (codes[i] & 0x3F));
        }
    }
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvan::link;
    const auto password =
        PasswordFromText(std::string_view(reinterpret_cast<const char*>(data), size));
    if (password) {
        check(password->length >= 0 && password->length <= 8);
        for (std::size_t i = 0; i < kPasswordBytes; ++i)
            check((i < static_cast<std::size_t>(password->length)) == (password->bytes[i] != 0));
    }

    // The input's bytes as codes: every text of nonzero codes is taken, and
    // gives back its first eight codes.
    bool anyZero = false;
    for (std::size_t i = 0; i < size; ++i) anyZero = anyZero || data[i] == 0;
    const auto again = PasswordFromText(utf8(data, size));
    check(again.has_value() == !anyZero);
    if (again) {
        const std::size_t n = size < kPasswordBytes ? size : kPasswordBytes;
        check(again->length == static_cast<std::int32_t>(n));
        for (std::size_t i = 0; i < n; ++i) check(again->bytes[i] == data[i]);
    }
    return 0;
}
