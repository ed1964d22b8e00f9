#pragma once
// A password as the printer takes it: eight single-byte character codes, 0
// after the end of the password.
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace orvan::link {

inline constexpr std::size_t kPasswordBytes = 8;

// Wiped when it goes, so that a typed password does not linger in memory
// once its command is sent.
struct Password {
    std::array<std::uint8_t, kPasswordBytes> bytes{};
    std::int32_t length = 0;  // characters, at most kPasswordBytes

    Password() = default;
    Password(const Password&) = default;
    Password& operator=(const Password&) = default;
    ~Password() { wipe(); }
    void wipe();
};

// Overwrites the bytes so that the compiler cannot drop the writes.
void WipeBytes(std::span<std::uint8_t> bytes);

// The first eight characters of a typed text (UTF-8) as single-byte codes:
// U+0001 to U+00FF are their own code. A text holding any other character
// (or malformed UTF-8) has no such form, and nothing of it may be sent: a
// printer locked with a password changed on the way could never be unlocked.
std::optional<Password> PasswordFromText(std::string_view text);

}  // namespace orvan::link
