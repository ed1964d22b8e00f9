// The factory settings of a simulated printer.
#include <algorithm>
#include <initializer_list>
#include <utility>

#include "simulator/sim_printer.h"

namespace orvan::sim {
namespace {

using ByteAt = std::pair<int, std::uint8_t>;

// Page bytes that are not 0 out of the box.
const std::initializer_list<ByteAt> kMediaDefaults = {{5, 250}};  // 250 ink sets
const std::initializer_list<ByteAt> kConditionDefaults = {
    {8, 1},  {33, 2}, {34, 2}, {35, 2},  {36, 2}, {37, 1}, {41, 3}, {43, 3},
    {44, 3}, {46, 2}, {47, 8}, {48, 40}, {50, 3}, {51, 3}, {56, 2}, {57, 2}};
const std::initializer_list<ByteAt> kMagneticDefaults = {{2, 1}, {7, 2}};
const std::initializer_list<ByteAt> kLaminatorDefaults = {{4, 7}, {5, 2}, {6, 1},  {7, 3},
                                                          {8, 1}, {9, 1}, {15, 7}, {16, 2}};
const std::initializer_list<ByteAt> kNetworkDefaults = {
    {2, 192},
    {3, 168},
    {4, 0},
    {5, 50},
    {6, 255},
    {7, 255},
    {8, 255},
    {9, 0},
    {10, 192},
    {11, 168},
    {12, 0},
    {13, 1},
    {14, 1},
    {15, 1},
    {29, 64},
    // IPv6 default gateway fe80::1 and static address fd00::50
    {31, 0xFE},
    {32, 0x80},
    {46, 0x01},
    {47, 0xFD},
    {62, 0x50}};

const std::initializer_list<std::pair<int, const std::initializer_list<ByteAt>*>> kPageDefaults = {
    {0x23, &kMediaDefaults},     {0x28, &kConditionDefaults}, {0x2A, &kMagneticDefaults},
    {0x2C, &kLaminatorDefaults}, {0x2D, &kNetworkDefaults},
};

constexpr std::uint8_t kMac[6] = {0x02, 0x4F, 0x52, 0x56, 0x00, 0x50};

}  // namespace

SimPrinter::SimPrinter() {
    inquiry_[0] = 0x03;  // processor device
    inquiry_[2] = 0x02;
    inquiry_[3] = 0x02;
    inquiry_[4] = static_cast<std::uint8_t>(kInquirySize - 5);
    const std::string_view vendor = "ORVAN   CARD PRINTER    ";
    std::copy(vendor.begin(), vendor.end(), inquiry_.begin() + 8);
    setInquiryText(kPrinterVersionAt, "1.02.003");
    setInquiryText(kLaminatorVersionAt, "L1.10");
    setInquiryText(kConfigVersionAt, "C2.00");
    setInquiryText(kTableVersionAt, "T3.05");
    for (int offset = 40; offset <= 47; ++offset) setOption(offset, 1);

    for (const auto& layout : pageLayouts()) {
        Bytes bytes(layout.size, 0);
        bytes[0] = static_cast<std::uint8_t>(layout.code);
        bytes[1] = static_cast<std::uint8_t>(layout.size - 2);
        pages_[layout.code] = std::move(bytes);
    }
    for (const auto& [code, defaults] : kPageDefaults) {
        for (const auto& [offset, value] : *defaults) setPageByte(code, offset, value);
    }
    setPageText(0x23, 8, 6, "A12345");
    setPageText(0x2D, 17, 10, "ORVAN01");

    stored_[kMacBuffer].assign(std::begin(kMac), std::end(kMac));
    stored_[kIpsecModeBuffer].assign(4, 0);
    stored_[kClockBuffer].assign(8, 0);

    counters_ = {15230, 1234, 8800, 120, 7, 640, 12};

    // fe80::4f:52ff:fe56:50 and fd00::50
    effective_[0] = {0xFE, 0x80, 0, 0, 0, 0, 0, 0, 0x00, 0x4F, 0x52, 0xFF, 0xFE, 0x56, 0x00, 0x50};
    effective_[1] = {0xFD, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x50};
}

}  // namespace orvan::sim
