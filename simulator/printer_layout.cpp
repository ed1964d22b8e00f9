#include "simulator/printer_layout.h"

#include <algorithm>

namespace orvan::sim {
namespace {

// The print-condition select request packs the writable fields into 32 bytes.
constexpr std::array<SelectField, 23> kConditionSelect = {{
    {4, 33},  {5, 34},  {6, 35},  {7, 36},  {8, 37},  {11, 16}, {12, 23}, {13, 41},
    {14, 42}, {15, 43}, {16, 44}, {17, 20}, {18, 8},  {19, 22}, {21, 45}, {22, 46},
    {23, 50}, {24, 51}, {26, 53}, {27, 54}, {28, 56}, {29, 57}, {30, 58},
}};

constexpr std::array<std::uint8_t, 1> kLaminatorReadOnly = {7};  // film cassette state
constexpr std::array<std::uint8_t, 1> kNetworkReadOnly = {28};
// IPv4 address, subnet mask, default gateway, and the two IPv6 blocks.
constexpr std::array<ByteRange, 5> kNetworkMultiByte = {{
    {2, 5},
    {6, 9},
    {10, 13},
    {31, 46},
    {47, 62},
}};

constexpr std::array<PageLayout, 5> kPages = {{
    {0x23, 16, 0, {}, {}},
    {0x28, 60, 32, kConditionSelect, {}},
    {0x2A, 10, 10, {}, {}},
    {0x2C, 24, 24, {}, kLaminatorReadOnly},
    {0x2D, 80, 80, {}, kNetworkReadOnly, kNetworkMultiByte},
}};

constexpr std::array<Counter, 5> kPrinterLog = {
    Counter::PrinterTotal, Counter::Print, Counter::ThermalHead, Counter::Cleaning, Counter::Error};
constexpr std::array<Counter, 2> kLaminatorLog = {Counter::LaminatorTotal,
                                                  Counter::LaminatorCleaning};
constexpr std::array<LogLayout, 2> kLogs = {{{0x38, kPrinterLog}, {0x3A, kLaminatorLog}}};

// Key and certificate buffers take a key or certificate of up to 8193 bytes
// and two bytes of framing.
constexpr std::size_t kDownloadSize = 8195;
constexpr std::array<BufferLayout, 9> kBuffers = {{
    {kJobListBuffer, kJobListCodes * 2, true, false},
    {kMacBuffer, 6, true, false},
    {0x80, kDownloadSize, false, true},
    {0x81, kDownloadSize, false, true},
    {0x82, kDownloadSize, false, true},
    {0x83, 256, false, true},
    {0x84, kDownloadSize, false, true},
    {kIpsecModeBuffer, 4, true, true},
    {kClockBuffer, 8, true, true},
}};

template <class Table>
auto findByKey(const Table& table, int key, auto member) -> decltype(&table[0]) {
    auto it = std::find_if(table.begin(), table.end(),
                           [&](const auto& row) { return row.*member == key; });
    return it == table.end() ? nullptr : &*it;
}

}  // namespace

const PageLayout* findPageLayout(int code) {
    return findByKey(kPages, code, &PageLayout::code);
}

std::span<const PageLayout> pageLayouts() {
    return kPages;
}

int pageByteForSelect(const PageLayout& layout, std::size_t selectByte) {
    if (selectByte < 2 || selectByte >= layout.selectSize) return -1;
    if (!layout.remapped.empty()) {
        for (const auto& f : layout.remapped) {
            if (f.selectByte == selectByte) return f.pageByte;
        }
        return -1;
    }
    if (selectByte >= layout.size) return -1;
    for (auto ro : layout.readOnly) {
        if (ro == selectByte) return -1;
    }
    return static_cast<int>(selectByte);
}

bool storesEvery255(const PageLayout& layout, std::size_t selectByte) {
    return std::any_of(
        layout.multiByteFields.begin(), layout.multiByteFields.end(),
        [selectByte](const ByteRange& r) { return selectByte >= r.first && selectByte <= r.last; });
}

const LogLayout* findLogLayout(int code) {
    return findByKey(kLogs, code, &LogLayout::code);
}

const BufferLayout* findBufferLayout(int id) {
    return findByKey(kBuffers, id, &BufferLayout::id);
}

}  // namespace orvan::sim
