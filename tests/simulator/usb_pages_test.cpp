// The simulated USB printer's pages, log pages and buffers, seen through the
// command library interface.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>
#include <vector>

#include "simulator/sim_command_port.h"

namespace orvan::sim {
namespace {

using PageBuffer = std::array<std::uint8_t, 256>;

class UsbPrinterPages : public ::testing::Test {
  protected:
    PageBuffer sense(int page) {
        PageBuffer reply{};
        EXPECT_EQ(port.KQCMD_ModeSense(0, 0, 1, page, reply.data()), 0);
        return reply;
    }
    // A request of exactly the select size, on the heap, so that reading
    // past it is caught by the address sanitizer.
    std::unique_ptr<std::uint8_t[]> request(int page, std::size_t size) {
        auto bytes = std::make_unique<std::uint8_t[]>(size);
        std::fill_n(bytes.get(), size, 0xFF);
        bytes[0] = static_cast<std::uint8_t>(page);
        bytes[1] = static_cast<std::uint8_t>(size - 2);
        return bytes;
    }

    SimulatedPrinters world = defaultScenario();
    SimCommandPort port{world};
};

TEST_F(UsbPrinterPages, SenseReplyPutsPageByteNAtReplyByteNPlus4) {
    const auto reply = sense(0x2D);
    EXPECT_EQ(reply[4], 0x2D);
    EXPECT_EQ(reply[4 + 2], 192);  // IPv4 address
    EXPECT_EQ(reply[4 + 5], 50);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&reply[4 + 17])), "ORVAN01");
    const auto media = sense(0x23);
    EXPECT_EQ((media[4 + 4] << 8) | media[4 + 5], 250);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&media[4 + 8]), 6), "A12345");
}

TEST_F(UsbPrinterPages, ModeSelectLeavesBytesSentAs0xFFUnchanged) {
    const auto before = world.usb(0).page(0x2C);
    const std::vector<std::uint8_t> old(before.begin(), before.end());
    auto req = request(0x2C, 24);
    req[4] = 11;  // top position
    req[7] = 0;   // film cassette state is read only
    ASSERT_EQ(port.KQCMD_ModeSelect(0, 0, 1, 0x2C, req.get()), 0);
    const auto after = world.usb(0).page(0x2C);
    for (std::size_t b = 0; b < old.size(); ++b) {
        EXPECT_EQ(after[b], b == 4 ? 11 : old[b]) << "page byte " << b;
    }
    ASSERT_NE(world.usb(0).lastSelect(0x2C), nullptr);
    EXPECT_EQ(world.usb(0).lastSelect(0x2C)->size(), 24u);
    EXPECT_EQ(world.usb(0).lastSelect(0x2C)->at(7), 0);
}

TEST_F(UsbPrinterPages, PrintConditionSelectHasItsOwnLayout) {
    const std::vector<std::pair<int, int>> selectToPage = {
        {4, 33},  {5, 34},  {6, 35},  {7, 36},  {8, 37},  {11, 16}, {12, 23}, {13, 41},
        {14, 42}, {15, 43}, {16, 44}, {17, 20}, {18, 8},  {19, 22}, {21, 45}, {22, 46},
        {23, 50}, {24, 51}, {26, 53}, {27, 54}, {28, 56}, {29, 57}, {30, 58}};
    const auto before = world.usb(0).page(0x28);
    const std::vector<std::uint8_t> old(before.begin(), before.end());
    auto req = request(0x28, 32);
    for (std::size_t b = 2; b < 32; ++b) req[b] = static_cast<std::uint8_t>(100 + b);
    ASSERT_EQ(port.KQCMD_ModeSelect(0, 0, 1, 0x28, req.get()), 0);

    std::vector<std::uint8_t> expected = old;
    for (auto [select, page] : selectToPage)
        expected[page] = static_cast<std::uint8_t>(100 + select);
    const auto after = world.usb(0).page(0x28);
    // Media levels (47..49), the lock state (55) and the stored-only bytes
    // (9, 39) have no select position and keep their values.
    EXPECT_EQ(std::vector<std::uint8_t>(after.begin(), after.end()), expected);
}

TEST_F(UsbPrinterPages, ModeSelectRefusesARequestForAnotherPageOrLength) {
    const auto before = world.usb(0).page(0x2A);
    const std::vector<std::uint8_t> old(before.begin(), before.end());
    auto wrongCode = request(0x2A, 10);
    wrongCode[0] = 0x2C;
    wrongCode[2] = 0;
    EXPECT_EQ(port.KQCMD_ModeSelect(0, 0, 1, 0x2A, wrongCode.get()), kInvalidParameterField);
    auto wrongLength = request(0x2A, 10);
    wrongLength[1] = 30;
    wrongLength[2] = 0;
    EXPECT_EQ(port.KQCMD_ModeSelect(0, 0, 1, 0x2A, wrongLength.get()), kInvalidParameterField);
    auto media = request(0x23, 16);
    EXPECT_EQ(port.KQCMD_ModeSelect(0, 0, 1, 0x23, media.get()), kInvalidCommandField);
    const auto after = world.usb(0).page(0x2A);
    EXPECT_TRUE(std::equal(after.begin(), after.end(), old.begin(), old.end()));
}

TEST_F(UsbPrinterPages, LogPagesHoldBigEndianCountersEightBytesApart) {
    world.usb(0).setCounter(Counter::Cleaning, 1000);
    world.usb(0).setCounter(Counter::PrinterTotal, 0x01020304);
    PageBuffer reply{};
    ASSERT_EQ(port.KQCMD_LogSense(0, 0, 0x38, reply.data()), 0);
    EXPECT_EQ(reply[0], 0x38);
    EXPECT_EQ((std::vector<std::uint8_t>{reply[8], reply[9], reply[10], reply[11]}),
              (std::vector<std::uint8_t>{1, 2, 3, 4}));
    EXPECT_EQ((std::vector<std::uint8_t>{reply[32], reply[33], reply[34], reply[35]}),
              (std::vector<std::uint8_t>{0x00, 0x00, 0x03, 0xE8}));
    ASSERT_EQ(port.KQCMD_LogSense(0, 0, 0x3A, reply.data()), 0);
    EXPECT_EQ(reply[0], 0x3A);
    EXPECT_EQ(reply[19], 12);  // laminator cleaning counter
    EXPECT_EQ(port.KQCMD_LogSense(0, 0, 0x39, reply.data()), kInvalidCommandField);

    ASSERT_EQ(port.KQCMD_LogSelect(0, 0, 0), 0);
    EXPECT_EQ(world.usb(0).counter(Counter::Print), 0u);
    EXPECT_EQ(world.usb(0).counter(Counter::Error), 0u);
    EXPECT_EQ(world.usb(0).counter(Counter::Cleaning), 1000u);
}

TEST_F(UsbPrinterPages, JobListBufferHoldsOwnerAndDocumentAsTwoByteCodes) {
    world.usb(0).addJob({"alice", "r\xC3\xA9port.doc"});  // é is one code, 0xE9
    world.usb(0).addJob({"bob", "second"});
    std::array<std::uint8_t, 96> area{};
    ASSERT_EQ(port.KQCMD_ReadBuffer(0, 0, 2, 0x60, area.data(), 0, 96), 0);
    EXPECT_EQ(area[0], 'a');
    EXPECT_EQ(area[1], 0);
    EXPECT_EQ(area[8], 'e');
    EXPECT_EQ(area[10], 0);  // owner ends early
    EXPECT_EQ(area[32], 'r');
    EXPECT_EQ(area[34], 0xE9);
    EXPECT_EQ(area[35], 0x00);

    world.usb(0).clearJobs();
    ASSERT_EQ(port.KQCMD_ReadBuffer(0, 0, 2, 0x60, area.data(), 0, 96), 0);
    EXPECT_TRUE(std::all_of(area.begin(), area.end(), [](auto b) { return b == 0; }));
}

TEST_F(UsbPrinterPages, BufferCommandsKeepToTheStatedLength) {
    // Exactly four bytes on the heap: a write past them fails the test.
    auto small = std::make_unique<std::uint8_t[]>(4);
    EXPECT_EQ(port.KQCMD_ReadBuffer(0, 0, 2, 0x70, small.get(), 0, 4), 0);
    EXPECT_EQ(small[0], 0x02);
    EXPECT_EQ(port.KQCMD_ReadBuffer(0, 0, 2, 0x70, small.get(), 0, -1), kInvalidArgument);
    EXPECT_EQ(port.KQCMD_ReadBuffer(0, 0, 2, 0x80, small.get(), 0, 4), kInvalidCommandField);

    const std::uint8_t mode[4] = {2, 0, 0, 0};
    EXPECT_EQ(port.KQCMD_WriteBuffer(0, 0, 2, 0xA0, mode, 0, 4), 0);
    EXPECT_EQ(world.usb(0).ipsecMethod(), 2);
    const std::uint8_t badMode[4] = {7, 0, 0, 0};
    EXPECT_EQ(port.KQCMD_WriteBuffer(0, 0, 2, 0xA0, badMode, 0, 4), kInvalidParameterField);
    EXPECT_EQ(world.usb(0).ipsecMethod(), 2);

    const std::vector<std::uint8_t> key = {'s', 'e', 'c', 'r', 't', 0};
    EXPECT_EQ(port.KQCMD_WriteBuffer(0, 0, 2, 0x80, key.data(), 0, 6), 0);
    ASSERT_NE(world.usb(0).lastBufferWrite(0x80), nullptr);
    EXPECT_EQ(*world.usb(0).lastBufferWrite(0x80), key);
    EXPECT_EQ(world.lastCall("KQCMD_WriteBuffer")->bytes, key);
}

}  // namespace
}  // namespace orvan::sim
