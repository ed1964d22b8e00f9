#pragma once
// Where the simulated printer keeps things: the mode pages with their sizes
// and select layouts, the log pages, and the printer buffers. Data only.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace orvan::sim {

enum class Counter : int {
    PrinterTotal,
    Print,
    ThermalHead,
    Cleaning,
    Error,
    LaminatorTotal,
    LaminatorCleaning
};
inline constexpr int kCounterCount = 7;

// A select request byte and the page byte it sets.
struct SelectField {
    std::uint8_t selectByte;
    std::uint8_t pageByte;
};

// Select bytes first..last, both included.
struct ByteRange {
    std::uint8_t first;
    std::uint8_t last;
};

struct PageLayout {
    int code;
    std::size_t size;        // page bytes, code and length byte included
    std::size_t selectSize;  // 0: the page cannot be written
    // Non-empty: the select request has a layout of its own. Empty: select
    // byte n sets page byte n, except for the read-only bytes.
    std::span<const SelectField> remapped;
    std::span<const std::uint8_t> readOnly;
    // Fields of several bytes (addresses, address blocks): there 255 is a
    // value like any other, not "leave unchanged".
    std::span<const ByteRange> multiByteFields = {};
};

inline constexpr std::size_t kSenseHeaderSize = 4;
inline constexpr std::size_t kInquirySize = 96;

// nullptr for a page the printer does not have.
const PageLayout* findPageLayout(int code);
std::span<const PageLayout> pageLayouts();
// The page byte a select byte writes, or -1 when the byte carries no field.
int pageByteForSelect(const PageLayout& layout, std::size_t selectByte);
// Whether a select byte of 255 is stored as 255: inside a multi-byte field.
// Anywhere else 255 leaves the setting as it is.
bool storesEvery255(const PageLayout& layout, std::size_t selectByte);

struct LogLayout {
    int code;
    std::span<const Counter> counters;  // parameter n's value at byte 8 + 8n
};
const LogLayout* findLogLayout(int code);

struct BufferLayout {
    int id;
    std::size_t size;  // most bytes the buffer holds
    bool readable;
    bool writable;
};
const BufferLayout* findBufferLayout(int id);

inline constexpr int kJobListBuffer = 0x60;
inline constexpr int kMacBuffer = 0x70;
inline constexpr int kIpsecModeBuffer = 0xA0;
inline constexpr int kClockBuffer = 0xA1;
inline constexpr std::size_t kJobListCodes = 48;
inline constexpr std::size_t kOwnerCodes = 16;

}  // namespace orvan::sim
