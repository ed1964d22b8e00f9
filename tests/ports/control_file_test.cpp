// The stand-in libraries follow the control file while they run.
#include <gtest/gtest.h>

#include <array>

#include "link/dynamic_port_libraries.h"
#include "port_test_env.h"

namespace orvan::link {
namespace {

const bool kControlFileReady = !test::testControlFile().empty();

void control(const char* line) {
    ASSERT_TRUE(sim::appendControlLine(test::testControlFile(), line));
}

TEST(ControlFileWhileRunning, AppendedLineChangesTheNextUsbAnswer) {
    test::resetSimulation();
    DynamicCommandLibrary library(test::kCommandLibraryPath);
    EXPECT_EQ(library.KQCMD_TestUnitReady(0, 0), 0);
    control("usb 0 error -0x0102D000");
    EXPECT_EQ(library.KQCMD_TestUnitReady(0, 0), -0x0102D000);
    control("usb 0 remove");
    EXPECT_EQ(library.KQCMD_TestUnitReady(0, 0), -0x02010005);
    control("usb 0 attach");
    control("usb 0 laminator-error 0x5A");
    std::int32_t v[4] = {};
    ASSERT_NE(library.KQCMD_GetPrinterStatus(0, 0, &v[0], &v[1], &v[2], &v[3]), 0);
    EXPECT_EQ(v[0], -0x0102D000);
    EXPECT_EQ(v[2], 0x5A);
    EXPECT_EQ(v[3], 255);
    control("this line means nothing");
    control("reset");
    EXPECT_EQ(library.KQCMD_TestUnitReady(0, 0), 0);
}

TEST(ControlFileWhileRunning, AppendedLineChangesTheNextNetworkAnswer) {
    test::resetSimulation();
    DynamicSettingsLibrary library(test::kSettingsLibraryPath);
    const std::array<std::uint8_t, 16> address = {192, 168, 0, 51};
    std::int32_t connection = 0, word = 0, sequence = 0;
    control("net 0 ink 25");
    control("fail P_CheckReply -5 1");
    ASSERT_EQ(library.P_Connect(&connection, 1, &word, 0, address.data(), 0, 0), 0);
    ASSERT_EQ(library.U_Set1stPrinterInfo(11, 0), 0);
    ASSERT_EQ(library.P_FlushStatusReq(connection, &word, 1, 0, 0), 0);
    std::array<std::uint8_t, LNK_REPLY_BUFFER_SIZE> reply{};
    std::int32_t length = LNK_REPLY_BUFFER_SIZE;
    EXPECT_EQ(
        library.P_CheckReply(connection, &word, &sequence, nullptr, reply.data(), &length, 300),
        -5);
    ASSERT_EQ(
        library.P_CheckReply(connection, &word, &sequence, nullptr, reply.data(), &length, 300), 0);
    EXPECT_EQ(reply[0], 11);
    EXPECT_EQ(reply[3], 25);
    library.P_Close(connection, nullptr);

    control("net 0 remove");
    EXPECT_EQ(library.P_Connect(&connection, 1, &word, 0, address.data(), 0, 0), -2);
    EXPECT_EQ(word, 10060);
}

}  // namespace
}  // namespace orvan::link
