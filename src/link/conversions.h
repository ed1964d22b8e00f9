#pragma once
// Small conversions between address bytes, numbers and the texts the window
// shows or the configuration file keeps. They keep no state and never read
// outside the text or the byte span they are given.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace orvan::link {

// Decimal text with one blank before a non-negative number: 5 -> " 5", -5 -> "-5".
std::string NumberText(long long value);

// The whole number a text starts with, read the way a label's text is read
// back: leading blanks skipped, an optional sign, then digits up to the first
// other character. No digits gives 0; a number beyond the int range is cut to
// it.
int LeadingNumber(std::string_view text);

// Dotted decimal of the first four bytes, e.g. "192.168.0.5". Bytes missing
// from a shorter span read as 0.
std::string FormatIPv4(std::span<const std::uint8_t> bytes);
// The same with a blank before every number: " 192. 168. 0. 5".
std::string FormatIPv4Spaced(std::span<const std::uint8_t> bytes);

inline constexpr int kParseOk = 0;
inline constexpr int kParseFailed = -1;

// Reads dotted decimal into out[0..3], storing each part as soon as it is
// accepted (a failure may leave earlier bytes changed). Parts are read
// leniently: leading blanks skipped, reading stops at the first character that
// cannot continue the number, an empty part is 0, a fraction rounds to the
// nearest whole number (ties to even). A negative part or one above maxPart
// fails, as does a text shorter than 7 characters or an output under 4 bytes.
// Returns kParseOk or kParseFailed.
int ParseIPv4(std::string_view text, int maxPart, std::span<std::uint8_t> out);

// Result of FormatIPv6.
inline constexpr int kIPv6Full = 0;        // no zero run compressed
inline constexpr int kIPv6Compressed = 1;  // one zero run became "::"
inline constexpr int kIPv6AllZero = 255;   // all zero: the text is empty

struct IPv6Text {
    std::string text;
    int result = kIPv6Full;
};

// Eight upper-case hexadecimal groups of the first 16 bytes; the longest
// inner zero run (leftmost first) becomes "::". Only runs with a group on each
// side are compressed, so an address starting with zeros keeps its first "0".
IPv6Text FormatIPv6(std::span<const std::uint8_t> bytes);

// Reads IPv6 text into out[0..15], high byte of each group first; out is only
// written on success. Blanks around the text are ignored (the dialogs show
// addresses with a leading blank and hand the text back unchanged). Fails on a
// leading ":", more than eight groups, a second "::", a group above FFFF, any
// other character, or an output under 16 bytes. A trailing "::" stands for the
// zero groups at the end.
bool ParseIPv6(std::string_view text, std::span<std::uint8_t> out);

// The two-byte character form the command library takes for file paths:
// each character's 16-bit code, low byte first, then two 0 bytes. The text is
// read as UTF-8; a byte that is not part of a valid sequence stands for itself.
std::vector<std::uint8_t> TextToWideBytes(std::string_view text);

// Printer names and other texts the printer keeps one byte per character
// (Latin-1). SingleByteText reads the bytes up to the first 0, at most
// maxLength of them, as UTF-8 text, so "Caf\xE9" reads "Café" wherever it is
// shown or saved. SingleByteCodes is the way back for the first maxLength
// characters of a UTF-8 text: a character the code page lacks becomes "?",
// a byte that starts no valid sequence stands for itself, and a character
// is never split.
std::string SingleByteText(std::span<const std::uint8_t> bytes, std::size_t maxLength);
std::vector<std::uint8_t> SingleByteCodes(std::string_view text, std::size_t maxLength);

// Number of characters before the first 0 character (the whole length if none).
std::size_t LengthToNul(std::string_view text);

}  // namespace orvan::link
