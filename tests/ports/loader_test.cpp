// Finding and loading the printer libraries at run time.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <fstream>

#include "link/dynamic_port_libraries.h"
#include "link/library_locator.h"
#include "port_test_env.h"

namespace orvan::link {
namespace {

const bool kControlFileReady = !test::testControlFile().empty();

class LibraryLocation : public ::testing::Test {
  protected:
    void SetUp() override {
        char system[] = "/tmp/orvan-libdir-XXXXXX";
        char current[] = "/tmp/orvan-curdir-XXXXXX";
        ASSERT_NE(::mkdtemp(system), nullptr);
        ASSERT_NE(::mkdtemp(current), nullptr);
        systemDir = system;
        currentDir = current;
    }
    void TearDown() override {
        for (const auto& dir : {systemDir, currentDir}) {
            std::remove((dir + "/" + kCommandLibraryFile).c_str());
            ::rmdir((dir + "/" + kCommandLibraryFile).c_str());
            ::rmdir(dir.c_str());
        }
    }
    static void touch(const std::string& path) { std::ofstream(path) << "x"; }

    std::string systemDir;
    std::string currentDir;
};

TEST_F(LibraryLocation, SystemFolderComesBeforeTheCurrentFolder) {
    EXPECT_FALSE(findPortLibrary(kCommandLibraryFile, systemDir, currentDir));
    touch(currentDir + "/" + kCommandLibraryFile);
    EXPECT_EQ(findPortLibrary(kCommandLibraryFile, systemDir, currentDir),
              currentDir + "/" + kCommandLibraryFile);
    touch(systemDir + "/" + kCommandLibraryFile);
    EXPECT_EQ(findPortLibrary(kCommandLibraryFile, systemDir + "/", currentDir),
              systemDir + "/" + kCommandLibraryFile);
}

TEST_F(LibraryLocation, OnlyPlainFilesWithBareNamesAreFound) {
    ASSERT_EQ(::mkdir((systemDir + "/" + kCommandLibraryFile).c_str(), 0700), 0);
    EXPECT_FALSE(findPortLibrary(kCommandLibraryFile, systemDir, currentDir)) << "a folder";
    touch(currentDir + "/x.so");
    EXPECT_FALSE(findPortLibrary("../" + currentDir.substr(5) + "/x.so", systemDir, currentDir));
    EXPECT_FALSE(findPortLibrary("", systemDir, currentDir));
    std::remove((currentDir + "/x.so").c_str());
}

TEST(LibraryLocationSetting, EnvironmentOverridesTheInstalledFolder) {
    ::setenv("ORVAN_SYSTEM_LIBDIR", "/opt/printer-libs", 1);
    EXPECT_EQ(systemLibraryDir(), "/opt/printer-libs");
    ::unsetenv("ORVAN_SYSTEM_LIBDIR");
    EXPECT_FALSE(systemLibraryDir().empty());
}

TEST(DynamicLibraries, BuiltCommandLibraryReachesTheSimulator) {
    test::resetSimulation();
    DynamicCommandLibrary library(test::kCommandLibraryPath);
    std::int32_t slot = -1, scsiId = -1;
    ASSERT_EQ(library.KQCMD_ScanPrinter(&slot, &scsiId), 0);
    EXPECT_EQ(slot, 0);
    EXPECT_EQ(scsiId, 0);
    std::array<std::uint8_t, LNK_PAGE_BUFFER_SIZE> page{};
    ASSERT_EQ(library.KQCMD_ModeSense(slot, scsiId, 1, 0x2D, page.data()), 0);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&page[4 + 17])), "ORVAN01");
    EXPECT_EQ(library.KQCMD_ScanPrinterNext(&slot, &scsiId), -0x09000002);
}

TEST(DynamicLibraries, BuiltSettingsLibraryAnswersAStatusQuery) {
    test::resetSimulation();
    DynamicSettingsLibrary library(test::kSettingsLibraryPath);
    const std::array<std::uint8_t, 16> address = {192, 168, 0, 51};
    std::int32_t connection = 0, word = -1, sequence = 0;
    ASSERT_EQ(library.P_Connect(&connection, 1, &word, 0, address.data(), 0, 0), 0);
    ASSERT_EQ(library.U_Set1stPrinterInfo(1, 0), 0);
    ASSERT_EQ(library.P_FlushStatusReq(connection, &word, 42, 0, 0), 0);
    std::array<std::uint8_t, LNK_REPLY_BUFFER_SIZE> reply{};
    std::int32_t length = LNK_REPLY_BUFFER_SIZE;
    ASSERT_EQ(
        library.P_CheckReply(connection, &word, &sequence, nullptr, reply.data(), &length, 300), 0);
    EXPECT_EQ(sequence, 42);
    EXPECT_EQ(reply[0], 1);
    EXPECT_EQ(library.P_Close(connection, nullptr), 0);
}

TEST(DynamicLibraries, LibraryLackingAnEntryPointIsMissingOnEveryCall) {
    DynamicCommandLibrary library(test::kLackingModeSelectPath);
    std::array<std::uint8_t, LNK_PAGE_BUFFER_SIZE> page{};
    EXPECT_THROW(library.KQCMD_ModeSelect(0, 0, 1, 0x28, page.data()), PortLibraryMissing);
    std::int32_t slot = 0, scsiId = 0;
    EXPECT_THROW(library.KQCMD_ScanPrinter(&slot, &scsiId), PortLibraryMissing);
    try {
        library.load();
        FAIL() << "loaded a library without KQCMD_ModeSelect";
    } catch (const PortLibraryMissing& e) {
        EXPECT_NE(std::string(e.what()).find("KQCMD_ModeSelect"), std::string::npos);
    }
}

TEST(DynamicLibraries, MissingFileIsMissingOnEveryCall) {
    DynamicSettingsLibrary absent("/nonexistent/libLNKSET.so");
    LNK_PRINTER_LIST list{};
    EXPECT_THROW(absent.U_OpenPrinterList(&list), PortLibraryMissing);
    EXPECT_THROW(absent.U_OpenPrinterList(&list), PortLibraryMissing);
    DynamicCommandLibrary notFound("");
    EXPECT_THROW(notFound.KQCMD_TestUnitReady(0, 0), PortLibraryMissing);
    // The command library is not a settings library.
    DynamicSettingsLibrary wrong(test::kCommandLibraryPath);
    EXPECT_THROW(wrong.load(), PortLibraryMissing);
}

}  // namespace
}  // namespace orvan::link
