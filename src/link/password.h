#pragma once
// A password as the printer takes it: eight single-byte character codes, 0
// after the end of the password.
#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

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
// The same for a text, which is left empty.
void WipeText(std::string& text);

// Bytes of a key, a certificate or a password: a fixed size, chosen once, so
// that no reallocation leaves a copy behind, and wiped when they go.
class SecretBytes {
  public:
    explicit SecretBytes(std::size_t size = 0) : bytes_(size) {}
    ~SecretBytes() { WipeBytes(bytes_); }
    SecretBytes(const SecretBytes&) = delete;
    SecretBytes& operator=(const SecretBytes&) = delete;
    SecretBytes(SecretBytes&& other) noexcept = default;
    SecretBytes& operator=(SecretBytes&& other) noexcept {
        WipeBytes(bytes_);
        bytes_ = std::move(other.bytes_);
        return *this;
    }

    std::uint8_t* data() { return bytes_.data(); }
    const std::uint8_t* data() const { return bytes_.data(); }
    std::size_t size() const { return bytes_.size(); }
    std::span<std::uint8_t> span() { return bytes_; }
    std::span<const std::uint8_t> span() const { return bytes_; }
    // The first `size` bytes, as far as there are any.
    std::span<const std::uint8_t> first(std::size_t size) const {
        return span().first(std::min(size, bytes_.size()));
    }

  private:
    std::vector<std::uint8_t> bytes_;
};

// A typed text (UTF-8) as single-byte codes into `out`: U+0001 to U+00FF are
// their own code. Returns the number of characters (codes past the end of
// `out` are counted, not stored), or nullopt for a text holding any other
// character or malformed UTF-8.
std::optional<std::size_t> SingleByteCodes(std::string_view text, std::span<std::uint8_t> out);

// The first eight characters of a typed text (UTF-8) as single-byte codes:
// U+0001 to U+00FF are their own code. A text holding any other character
// (or malformed UTF-8) has no such form, and nothing of it may be sent: a
// printer locked with a password changed on the way could never be unlocked.
std::optional<Password> PasswordFromText(std::string_view text);

}  // namespace orvan::link
