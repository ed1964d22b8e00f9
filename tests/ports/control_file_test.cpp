// The stand-in libraries follow the control file while they run.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <fstream>
#include <iterator>
#include <string>

#include "link/dynamic_port_libraries.h"
#include "port_test_env.h"

namespace orvan::link {
namespace {

const bool kControlFileReady = !test::testControlFile().empty();

std::string readFile(const std::string& path) {
    std::ifstream in(path);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

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

TEST(ControlFileWhileRunning, EachLibraryKeepsAReportOfItsPrintersBesideTheControlFile) {
    test::resetSimulation();
    DynamicCommandLibrary commands(test::kCommandLibraryPath);
    const std::uint8_t clock[8] = {125, 0, 4, 14, 3, 7, 0, 0};
    ASSERT_EQ(commands.KQCMD_WriteBuffer(0, 0, 2, 0xA1, clock, 0, 8), 0);
    const std::string usb = readFile(test::testControlFile() + ".usb");
    EXPECT_NE(usb.find("usb 0"), std::string::npos) << usb;
    EXPECT_NE(usb.find("(2025-01-05 14:03:07)"), std::string::npos) << usb;
    EXPECT_EQ(usb.find("net 0"), std::string::npos);

    DynamicSettingsLibrary settings(test::kSettingsLibraryPath);
    control("net 0 ipsec 2");
    LNK_PRINTER_LIST list{};
    settings.U_OpenPrinterList(&list);
    settings.U_FreePrinterList(&list);
    const std::string net = readFile(test::testControlFile() + ".net");
    EXPECT_NE(net.find("net 0"), std::string::npos) << net;
    EXPECT_NE(net.find("(printer certificate)"), std::string::npos) << net;
}

TEST(ControlFileWhileRunning, PageWrittenThroughOneLibraryIsReadThroughAnother) {
    // Two copies of the command library keep a world each, as two processes
    // do; they share it through the state file beside the control file.
    test::resetSimulation();
    DynamicCommandLibrary writer(test::kCommandLibraryPath);
    void* reader = ::dlopen(test::kLackingModeSelectPath.c_str(), RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(reader, nullptr) << ::dlerror();
    using ModeSense =
        std::int32_t (*)(std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::uint8_t*);
    auto sense = reinterpret_cast<ModeSense>(::dlsym(reader, "KQCMD_ModeSense"));
    ASSERT_NE(sense, nullptr);
    std::array<std::uint8_t, LNK_PAGE_BUFFER_SIZE> reply{};
    ASSERT_EQ(sense(0, 0, 1, 0x2A, reply.data()), 0);
    EXPECT_EQ(reply[6], 0x01);

    const std::array<std::uint8_t, 10> select = {0x2A, 0x08, 0x03, 0xFF, 0x05,
                                                 0xFF, 0xFF, 0xFF, 0xFF, 0x09};
    ASSERT_EQ(writer.KQCMD_ModeSelect(0, 0, 1, 0x2A, select.data()), 0);
    ASSERT_EQ(sense(0, 0, 1, 0x2A, reply.data()), 0);
    const std::array<std::uint8_t, 14> expected = {13,   0,    0, 0, 0x2A, 0x08, 0x03,
                                                   0x00, 0x05, 0, 0, 0x02, 0,    0x09};
    EXPECT_TRUE(std::equal(expected.begin(), expected.end(), reply.begin()));

    control("usb 0 busy 1");
    std::int32_t v[4] = {};
    writer.KQCMD_GetPrinterStatus(0, 0, &v[0], &v[1], &v[2], &v[3]);
    EXPECT_EQ(v[1], 50) << "busy for one query";
    using Status = std::int32_t (*)(std::int32_t, std::int32_t, std::int32_t*, std::int32_t*,
                                    std::int32_t*, std::int32_t*);
    auto status = reinterpret_cast<Status>(::dlsym(reader, "KQCMD_GetPrinterStatus"));
    ASSERT_NE(status, nullptr);
    status(0, 0, &v[0], &v[1], &v[2], &v[3]);
    EXPECT_EQ(v[1], 0) << "the one query was the other library's";
    ::dlclose(reader);
}

}  // namespace
}  // namespace orvan::link
