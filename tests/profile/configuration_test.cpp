#include "shell/configuration.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "scratch_dir.h"
#include "shell/platform.h"

namespace orvan::shell {
namespace {

using link::Connection;
using link::IpHistory;
using link::IpHistoryEntry;
using orvan::testing::ScratchDir;

IpHistoryEntry v4(std::uint8_t a, std::uint8_t b, std::uint8_t c, std::uint8_t d) {
    IpHistoryEntry e;
    e.address = {a, b, c, d};
    e.length = link::kIPv4Length;
    return e;
}

IpHistoryEntry v6(std::uint8_t hi0, std::uint8_t lo0, std::uint8_t last) {
    IpHistoryEntry e;
    e.address[0] = hi0;
    e.address[1] = lo0;
    e.address[15] = last;
    e.length = link::kIPv6Length;
    return e;
}

UserRights rightsOf(std::initializer_list<std::size_t> indexes) {
    UserRights r;
    for (std::size_t i : indexes) r.flags[i] = true;
    return r;
}

class ConfigurationTest : public ::testing::Test {
  protected:
    ScratchDir dir;
    std::string file = dir.file("OrvanStatusMonitor.ini");
    Configuration config{file};
    Profile raw{file};

    std::string value(const char* section, const char* key) const {
        return raw.readString(section, key, "<absent>", 255);
    }
};

TEST_F(ConfigurationTest, MissingFileGivesTheDefaults) {
    EXPECT_EQ(config.ReadCardType(), 0);
    EXPECT_FALSE(config.ReadPreferIPv6());
    EXPECT_EQ(config.ReadRememberedPrinter(), "");
    EXPECT_EQ(config.LoadIpHistory(), IpHistory{});
    EXPECT_EQ(config.LoadUserRights(), UserRights{});
    EXPECT_FALSE(std::filesystem::exists(file));
}

TEST_F(ConfigurationTest, IpTypeAndCardTypeReadOnlyTheirFirstCharacter) {
    ScratchDir::write(file, "[PRINTERSETTING]\nIPTYPE=60\n[MEDIASETTING]\nCARDTYPE=12\n");
    EXPECT_TRUE(config.ReadPreferIPv6());
    EXPECT_EQ(config.ReadCardType(), 1);
    ScratchDir::write(file, "[printersetting]\nIPTYPE=4\n[MEDIASETTING]\nCARDTYPE=x7\n");
    EXPECT_FALSE(config.ReadPreferIPv6());
    EXPECT_EQ(config.ReadCardType(), 0);
    ScratchDir::write(file, "[PRINTERSETTING]\nIPTYPE=  6\n");
    EXPECT_TRUE(config.ReadPreferIPv6());

    ASSERT_TRUE(config.WriteCardType(3));
    EXPECT_EQ(value("MEDIASETTING", "CARDTYPE"), "3");
    EXPECT_EQ(config.ReadCardType(), 3);
}

TEST_F(ConfigurationTest, SelectedPrinterIsSavedOnlyWhenOneIsWatched) {
    link::SelectedPrinter printer;
    printer.name = "Card Printer";
    printer.connection = Connection::Usb;
    EXPECT_TRUE(config.SaveSelectedPrinter(0, printer, false));
    printer.connection = Connection::None;
    EXPECT_TRUE(config.SaveSelectedPrinter(3, printer, false));
    EXPECT_FALSE(std::filesystem::exists(file));
}

TEST_F(ConfigurationTest, SelectedPrinterKeepsTheAddressOfItsConnection) {
    link::SelectedPrinter usb;
    usb.connection = Connection::Usb;
    usb.name = "  Desk Printer ";
    usb.slot = 2;
    usb.scsiId = 12;
    ASSERT_TRUE(config.SaveSelectedPrinter(1, usb, true));
    EXPECT_EQ(config.ReadRememberedPrinter(), "Desk Printer");
    EXPECT_EQ(value("PRINTERSETTING", "SLOT"), "2");
    EXPECT_EQ(value("PRINTERSETTING", "SCSI"), "12");
    EXPECT_EQ(value("PRINTERSETTING", "IPTYPE"), "<absent>");

    link::SelectedPrinter net;
    net.connection = Connection::Network;
    net.name = "Hall";
    net.address = {192, 168, 0, 5, 7, 7};
    ASSERT_TRUE(config.SaveSelectedPrinter(2, net, false));
    EXPECT_EQ(value("PRINTERSETTING", "IPTYPE"), "4");
    EXPECT_EQ(value("PRINTERSETTING", "IPADDRESS"), "192.168.0.5");
    EXPECT_FALSE(config.ReadPreferIPv6());

    net.address = {0xFE, 0x80};
    net.address[15] = 1;
    ASSERT_TRUE(config.SaveSelectedPrinter(2, net, true));
    EXPECT_EQ(value("PRINTERSETTING", "IPTYPE"), "6");
    EXPECT_EQ(value("PRINTERSETTING", "IPADDRESS"), "FE80::1");
    EXPECT_TRUE(config.ReadPreferIPv6());
    EXPECT_EQ(config.ReadRememberedPrinter(), "Hall");
}

TEST_F(ConfigurationTest, PrinterNameFromThePrinterCannotGrantRights) {
    link::SelectedPrinter net;
    net.connection = Connection::Network;
    net.name = "Hall\n[ADMIN]\nUSERTAB=0123456789AB";
    ASSERT_TRUE(config.SaveSelectedPrinter(1, net, false));
    EXPECT_EQ(config.LoadUserRights(), UserRights{});
}

TEST_F(ConfigurationTest, IpHistoryLoadsValidEntriesInKeyOrderAndSavesThemRenumbered) {
    ScratchDir::write(file,
                      "[IPREGISTRY]\n"
                      "2IPTABLE=5,10.0.0.1\n"  // neither family
                      "3iptable=6,FE80::1\n"
                      "4IPTABLE=4,1.2.3\n"      // too short
                      "5IPTABLE=6,::1\n"        // begins with a colon
                      "6IPTABLE=4,1.2.3.256\n"  // part too large
                      "7IPTABLE=4,192.168.0.9\n"
                      "8IPTABLE=4\n"
                      "[OTHER]\n0IPTABLE=4,9.9.9.9\n");
    const IpHistory loaded = config.LoadIpHistory();
    IpHistory expected;
    expected.entries[0] = v6(0xFE, 0x80, 1);
    expected.entries[1] = v4(192, 168, 0, 9);
    EXPECT_EQ(loaded, expected);

    ASSERT_TRUE(config.SaveIpHistory(loaded));
    EXPECT_EQ(value("IPREGISTRY", "0IPTABLE"), "6,FE80::1");
    EXPECT_EQ(value("IPREGISTRY", "1IPTABLE"), "4,192.168.0.9");
    for (const char* stale : {"2IPTABLE", "3IPTABLE", "4IPTABLE", "5IPTABLE", "6IPTABLE",
                              "7IPTABLE", "8IPTABLE", "9IPTABLE"}) {
        EXPECT_EQ(value("IPREGISTRY", stale), "<absent>") << stale;
    }
    EXPECT_EQ(value("OTHER", "0IPTABLE"), "4,9.9.9.9");
    EXPECT_EQ(config.LoadIpHistory(), expected);
}

TEST_F(ConfigurationTest, IpHistorySaveSkipsEmptySlotsAndCreatesNothingWhenEmpty) {
    EXPECT_TRUE(config.SaveIpHistory(IpHistory{}));
    EXPECT_FALSE(std::filesystem::exists(file));

    IpHistory history;
    history.entries[4] = v4(10, 0, 0, 1);
    history.entries[9] = v6(0x20, 0x01, 7);
    history.entries[6].length = 5;  // not a family: skipped
    ASSERT_TRUE(config.SaveIpHistory(history));
    EXPECT_EQ(value("IPREGISTRY", "0IPTABLE"), "4,10.0.0.1");
    EXPECT_EQ(value("IPREGISTRY", "1IPTABLE"), "6,2001::7");
    EXPECT_EQ(value("IPREGISTRY", "2IPTABLE"), "<absent>");
    const IpHistory back = config.LoadIpHistory();
    EXPECT_EQ(back.entries[0], history.entries[4]);
    EXPECT_EQ(back.entries[1], history.entries[9]);
    EXPECT_TRUE(back.entries[2].empty());
}

TEST_F(ConfigurationTest, UserRightsAreHexDigitsOfTheGrantedFlags) {
    ScratchDir::write(file, "[admin]\nusertab=b20\n");
    EXPECT_EQ(config.LoadUserRights(), rightsOf({0, 2, 11}));
    ASSERT_TRUE(config.SaveUserRights(config.LoadUserRights()));
    EXPECT_EQ(value("ADMIN", "USERTAB"), "02B");

    ScratchDir::write(file, "[ADMIN]\nUSERTAB=14CDEF\n");
    EXPECT_EQ(config.LoadUserRights(), rightsOf({1, 4}));
    // A character that is not a hexadecimal digit counts as 0.
    ScratchDir::write(file, "[ADMIN]\nUSERTAB=z9\n");
    EXPECT_EQ(config.LoadUserRights(), rightsOf({0, 9}));
    ScratchDir::write(file, "[ADMIN]\nUSERTAB=\n");
    EXPECT_EQ(config.LoadUserRights(), UserRights{});
}

TEST_F(ConfigurationTest, ClearingEveryRightRemovesTheKey) {
    ScratchDir::write(file, "[ADMIN]\nUSERTAB=14\nKEEP=1\n");
    ASSERT_TRUE(config.SaveUserRights(UserRights{}));
    EXPECT_EQ(ScratchDir::read(file), "[ADMIN]\nKEEP=1\n");
}

TEST_F(ConfigurationTest, WritesIntoAnUnwritablePlaceFailQuietly) {
    const std::string blocker = dir.file("file");
    ScratchDir::write(blocker, "");
    Configuration nowhere(blocker + "/OrvanStatusMonitor.ini");
    link::SelectedPrinter usb;
    usb.connection = Connection::Usb;
    EXPECT_FALSE(nowhere.SaveUserRights(rightsOf({1})));
    EXPECT_FALSE(nowhere.WriteCardType(2));
    EXPECT_FALSE(nowhere.SaveSelectedPrinter(1, usb, false));
    IpHistory history;
    history.entries[0] = v4(1, 2, 3, 4);
    EXPECT_FALSE(nowhere.SaveIpHistory(history));
    EXPECT_EQ(nowhere.LoadUserRights(), UserRights{});
    EXPECT_EQ(nowhere.ReadCardType(), 0);
}

TEST(ConfigFilePath, IsTheProgramDirectoryAndNameWithIni) {
    EXPECT_EQ(ConfigFilePath("/opt/orvan/OrvanStatusMonitor"), "/opt/orvan/OrvanStatusMonitor.ini");
    EXPECT_EQ(ConfigFilePath("/opt/orvan/monitor.bin"), "/opt/orvan/monitor.ini");
    EXPECT_EQ(ConfigFilePath("/opt/./orvan/../orvan/monitor"), "/opt/orvan/monitor.ini");
    const std::filesystem::path exe = executablePath();
    ASSERT_TRUE(exe.is_absolute());
    EXPECT_EQ(ConfigFilePath(exe), (exe.parent_path() / "test_profile.ini").string());
}

// A program whose own path is unknown or relative reads and writes no file
// at all, rather than one in whatever directory is current.
TEST(ConfigFilePath, NeverFollowsTheCurrentDirectory) {
    ScratchDir dir;
    const auto before = std::filesystem::current_path();
    std::filesystem::current_path(dir.path());
    ScratchDir::write(dir.file("OrvanStatusMonitor.ini"), "[MEDIASETTING]\nCARDTYPE=7\n");
    const std::string fromRelative = ConfigFilePath("OrvanStatusMonitor");
    const std::string fromNothing = ConfigFilePath("");
    Configuration relative("OrvanStatusMonitor.ini");
    const auto cardType = relative.ReadCardType();
    const bool wrote = relative.WriteCardType(3);
    std::filesystem::current_path(before);

    EXPECT_EQ(fromRelative, "");
    EXPECT_EQ(fromNothing, "");
    EXPECT_EQ(cardType, 0);
    EXPECT_FALSE(wrote);
    EXPECT_EQ(ScratchDir::read(dir.file("OrvanStatusMonitor.ini")), "[MEDIASETTING]\nCARDTYPE=7\n");
    EXPECT_EQ(dir.entries().size(), 1u);
}

// Beside the program for a build tree; installed (the install's marker
// beside it), the user's values in his configuration folder and the rights
// of non-administrators only in the system file.
TEST(ConfigFiles, AnInstalledProgramReadsRightsOnlyFromTheSystemFile) {
    ScratchDir dir;
    const std::string exe = dir.file("OrvanStatusMonitor");
    EXPECT_FALSE(ConfigPlacesOf(exe).installed);
    EXPECT_FALSE(ConfigPlacesOf("/nonexistent/orvan/OrvanStatusMonitor").installed);
    EXPECT_EQ(
        LocateConfigFiles(exe, ConfigPlacesOf(exe)),
        (ConfigFiles{dir.file("OrvanStatusMonitor.ini"), dir.file("OrvanStatusMonitor.ini")}));

    ScratchDir::write(dir.file("OrvanStatusMonitor.installed"), "");
    EXPECT_TRUE(ConfigPlacesOf(exe).installed);
    const std::string system = dir.file("system.ini");
    const ConfigPlaces places{true, dir.path().string() + "/home/.config/", system};
    const ConfigFiles files = LocateConfigFiles(exe, places);
    EXPECT_EQ(files.user, dir.file("home/.config/OrvanStatusMonitor.ini"));
    EXPECT_EQ(files.rights, system);

    std::filesystem::create_directories(dir.path() / "home/.config");
    ScratchDir::write(files.user, "[ADMIN]\nUSERTAB=0123456789AB\n[MEDIASETTING]\nCARDTYPE=4\n");
    ScratchDir::write(system, "[ADMIN]\nUSERTAB=a\n");
    Configuration installed(files);
    EXPECT_EQ(installed.LoadUserRights(), rightsOf({10}));
    EXPECT_EQ(installed.ReadCardType(), 4);
    EXPECT_TRUE(installed.SaveUserRights(rightsOf({1, 11})));
    EXPECT_EQ(ScratchDir::read(system), "[ADMIN]\nUSERTAB=1B\n");
    EXPECT_EQ(ScratchDir::read(files.user),
              "[ADMIN]\nUSERTAB=0123456789AB\n[MEDIASETTING]\nCARDTYPE=4\n");

    // Without an absolute folder or system file there is nothing to read:
    // neither follows the current directory.
    EXPECT_EQ(LocateConfigFiles(exe, ConfigPlaces{true, "config", "etc/system.ini"}),
              (ConfigFiles{"", ""}));
}

}  // namespace
}  // namespace orvan::shell
