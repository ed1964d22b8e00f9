#include "link/discovery.h"

#include <gtest/gtest.h>

#include "discovery/faulty_link.h"
#include "discovery/network_list_data.h"

namespace orvan::link {
namespace {

using testing::ipv6;
using testing::ListedPrinter;
using testing::networkListData;
using Items = std::vector<std::string>;
using Codes = std::vector<std::int16_t>;

constexpr std::int16_t U = entry_code::kUnused;

struct DiscoveryTest : ::testing::Test {
    test::FaultyLink link;
    PrinterData data;
    NetworkRequests requests{link.channel, data};
    IpHistory history;
    Discovery discovery{link.channel, requests, data, history};
    ui::ComboBox combo0{"Combo0"};
    ui::ComboBox combo7{"Combo7_1"};

    DiscoveryTest() {
        discovery.options.hasCommandLibrary = true;
        discovery.options.hasSettingsLibrary = true;
    }
    ResultCode run() { return discovery.discover(combo0, combo7); }

    Codes codes(std::size_t n) const {
        const auto& c = discovery.entryCodes();
        return {c.begin(), c.begin() + static_cast<std::ptrdiff_t>(n)};
    }
    void usbPrinters(int n) {
        for (int id = 0; id < n; ++id) link.commands.usbPrinters.push_back({1, id});
    }
    void store(std::size_t slot, const AddressBytes& address, std::uint8_t length) {
        history.entries[slot] = {address, length};
    }
    // The printer at the searched address answers the name probe.
    void searchAnswers(const AddressBytes& address, const std::string& name) {
        discovery.options.searchPending = true;
        link.state.selected.address = address;
        link.settings.queueReply(test::textItem(1, name));
    }
    std::vector<std::int64_t> listArgs(std::size_t arg) const {
        std::vector<std::int64_t> out;
        for (const auto& c : link.settings.callsTo("P_RefreshPrinterList"))
            out.push_back(c.args[arg]);
        return out;
    }
};

TEST_F(DiscoveryTest, UsbPrintersAreNamedAfterTheirScsiId) {
    usbPrinters(2);
    EXPECT_EQ(run(), 0) << "the end of the scan after the first printer is no failure";
    EXPECT_EQ(combo0.items(), (Items{"USB:Unit1", "USB:Unit2"}));
    EXPECT_EQ(combo7.items(), combo0.items());
    EXPECT_EQ(codes(3), (Codes{0, 0, U}));
    EXPECT_EQ(link.state.printerCount, 2);
    EXPECT_FALSE(link.state.discoveryRunning);
    discovery.selectListed(1);
    EXPECT_EQ(link.state.selected.connection, Connection::Usb);
    EXPECT_EQ(link.state.selected.scsiId, 1);
    EXPECT_EQ(link.state.selected.name, "USB:Unit2");
}

TEST_F(DiscoveryTest, AtMostSixteenUsbPrintersAreListed) {
    usbPrinters(20);
    EXPECT_EQ(run(), 0);
    EXPECT_EQ(link.state.printerCount, 16);
    EXPECT_EQ(combo0.item(15), "USB:Unit16");
    EXPECT_EQ(link.commands.count("KQCMD_ScanPrinterNext"), 15);
}

TEST_F(DiscoveryTest, EndOfScanOnTheFirstCallIsTheResult) {
    EXPECT_EQ(run(), kNoMorePrinters);
    EXPECT_EQ(combo0.items(), Items{"No Printer"});
    EXPECT_EQ(combo7.items(), Items{"No Printer"});
    EXPECT_EQ(codes(2), (Codes{entry_code::kNoPrinter, U}));
    EXPECT_EQ(link.state.printerCount, 0);

    // A network printer found afterwards does not clear it; a failing list replaces it.
    link.settings.printerList = networkListData({{"Lobby", {10, 0, 0, 7}, {}, {}}});
    EXPECT_EQ(run(), kNoMorePrinters);
    EXPECT_EQ(link.state.printerCount, 1);
    link.settings.results.push("P_RefreshPrinterList", {-4});
    EXPECT_EQ(run(), -4);
}

TEST_F(DiscoveryTest, OtherScanErrorsEndTheUsbPartOnly) {
    usbPrinters(3);
    link.commands.results.push("KQCMD_ScanPrinterNext", {kPortGone});
    link.settings.printerList = networkListData({{"Lobby", {10, 0, 0, 7}, {}, {}}});
    EXPECT_EQ(run(), kPortGone);
    EXPECT_EQ(combo0.items(), (Items{"USB:Unit1", "NET:Lobby"}));
    EXPECT_EQ(codes(2), (Codes{0, 1}));
}

TEST_F(DiscoveryTest, TransientScanAnswersAreRetriedWithPauses) {
    usbPrinters(1);
    link.commands.results.push("KQCMD_ScanPrinter", {1, 1});
    bool runningDuringPause = false;
    link.timer2.observe([&](ui::Control&, ui::Property) {
        runningDuringPause = runningDuringPause || link.state.discoveryRunning;
    });
    EXPECT_EQ(run(), 0);
    EXPECT_EQ(link.commands.count("KQCMD_ScanPrinter"), 3);
    EXPECT_EQ(link.loop.now(), 2000);
    EXPECT_EQ(link.state.printerCount, 1);
    EXPECT_TRUE(runningDuringPause);

    link.commands.results.push("KQCMD_ScanPrinter", {1, 1, 1});
    EXPECT_EQ(run(), 1) << "the third transient answer stays the result";
    EXPECT_EQ(link.state.printerCount, 0);
}

TEST_F(DiscoveryTest, NetworkListTimeOutsRotateBetweenRuns) {
    discovery.options.hasCommandLibrary = false;
    for (int n = 0; n < 4; ++n) run();
    EXPECT_EQ(listArgs(1), (std::vector<std::int64_t>{3000, 1000, 500, 3000}));
    discovery.resetTimeoutStep();
    run();
    EXPECT_EQ(listArgs(1).back(), 3000);
}

TEST_F(DiscoveryTest, IPv6ListTakesTheRoutableAddress) {
    link.state.preferIPv6 = true;
    const AddressBytes global = ipv6({0x20, 0x01, 0x0D, 0xB8}, 5);
    link.settings.printerList = networkListData(
        {{"Lobby", {10, 0, 0, 7}, ipv6({0xFE, 0x80}, 1), global}, {"Lab", {}, {}, {}}}, 10);
    run();
    EXPECT_EQ(listArgs(0), std::vector<std::int64_t>{1});
    EXPECT_EQ(combo0.items(), (Items{"NET:Lobby", "NET:Lab"})) << "only the entries present";
    discovery.selectListed(0);
    EXPECT_EQ(link.state.selected.connection, Connection::Network);
    EXPECT_EQ(link.state.selected.address, global);
    EXPECT_EQ(link.state.selected.name, "NET:Lobby");
}

TEST_F(DiscoveryTest, ImplausibleListSizesAreNotTrusted) {
    discovery.options.hasCommandLibrary = false;
    link.settings.printerList = networkListData({{"A", {}, {}, {}}});
    link.settings.claimedListSize = 0x40000000;
    run();
    EXPECT_EQ(link.settings.callsTo("U_GetPrinterListData").at(0).args[0],
              list_layout::kMaxDataSize);
    EXPECT_EQ(link.state.printerCount, 1);

    link.settings.clear();
    link.settings.negativeListSize = true;
    EXPECT_EQ(run(), 0);
    EXPECT_EQ(link.settings.count("U_GetPrinterListData"), 0);
    EXPECT_EQ(link.state.printerCount, 0);
    EXPECT_EQ(link.settings.count("U_FreePrinterList"), 1);
}

TEST_F(DiscoveryTest, ListIsFreedOnEveryPath) {
    usbPrinters(1);
    link.settings.printerList = networkListData({{"A", {}, {}, {}}});
    link.settings.results.push("P_RefreshPrinterList", {-3});
    EXPECT_EQ(run(), -3);
    EXPECT_EQ(link.state.printerCount, 1) << "a failing list leaves the USB printers";
    EXPECT_EQ(link.settings.count("U_GetPrinterListSize"), 0);

    link.settings.results.push("U_GetPrinterListData", {-6});
    EXPECT_EQ(run(), -6);

    link.settings.fault.entry = "U_GetPrinterListData";
    run();
    EXPECT_EQ(link.state.printerCount, 0) << "a library failure drops every printer";
    EXPECT_EQ(combo0.items(), Items{"No Printer"});
    EXPECT_FALSE(link.state.discoveryRunning);
    EXPECT_EQ(link.settings.count("U_OpenPrinterList"), 3);
    EXPECT_EQ(link.settings.count("U_FreePrinterList"), 3);
}

TEST_F(DiscoveryTest, MissingLibraryFileEndsWithMinusOne) {
    link.commands.fault = {"KQCMD_ScanPrinter", true};
    EXPECT_EQ(run(), -1);
    EXPECT_FALSE(link.state.discoveryRunning);
    EXPECT_EQ(link.state.printerCount, 0);

    link.commands.fault = {};
    link.settings.fault = {"P_RefreshPrinterList", true};
    EXPECT_EQ(run(), -1);
    EXPECT_EQ(link.settings.count("U_FreePrinterList"), 1);
}

TEST_F(DiscoveryTest, SearchedPrinterComesFirstWithItsAddressAndName) {
    searchAnswers({192, 168, 0, 77}, "Lobby");
    usbPrinters(1);
    EXPECT_EQ(run(), 0);
    EXPECT_EQ(combo0.items(), (Items{"192.168.0.77", "USB:Unit1"}));
    EXPECT_EQ(codes(3), (Codes{2, 0, U}));
    EXPECT_EQ(discovery.searchedPosition(), 0);
    EXPECT_EQ(discovery.entries()[0].name, "Lobby");
    EXPECT_EQ(link.settings.callsTo("P_CheckReply").at(0).args[3], 3000);
    discovery.selectListed(0);
    EXPECT_EQ(link.state.selected.address, (AddressBytes{192, 168, 0, 77}));
}

TEST_F(DiscoveryTest, SearchedPrinterThatDoesNotAnswerIsNotListed) {
    discovery.options.hasCommandLibrary = false;
    searchAnswers({192, 168, 0, 77}, "Lobby");
    link.settings.results.push("P_FlushSettingReq", {-2});
    EXPECT_EQ(run(), -2);
    EXPECT_EQ(discovery.searchedPosition(), -1);
    EXPECT_EQ(combo0.items(), Items{"No Printer"});
}

TEST_F(DiscoveryTest, StoredAddressesFollowWithSeparatorsAndDelete) {
    const AddressBytes searched{192, 168, 0, 77};
    searchAnswers(searched, "Lobby");
    usbPrinters(1);
    store(1, {10, 0, 0, 9}, kIPv4Length);
    store(3, searched, kIPv4Length);
    store(4, ipv6({0x20, 0x01}, 1), kIPv6Length);  // other family: not listed
    store(6, {10, 0, 0, 10}, kIPv4Length);
    run();
    EXPECT_EQ(combo7.items(), (Items{"192.168.0.77", "USB:Unit1", "--------------", "10.0.0.9",
                                     "10.0.0.10", "--------------", "Delete Printer"}));
    EXPECT_EQ(combo0.items(), (Items{"192.168.0.77", "USB:Unit1"}));
    EXPECT_EQ(codes(8), (Codes{103, 0, 11, 201, 206, 12, 13, U}));
}

TEST_F(DiscoveryTest, StoredSearchedAddressAloneStillOffersDelete) {
    const AddressBytes searched = ipv6({0x20, 0x01, 0x0D, 0xB8}, 7);
    link.state.preferIPv6 = true;
    searchAnswers(searched, "Lab");
    store(0, searched, kIPv6Length);
    run();
    EXPECT_EQ(combo7.items(), (Items{"2001:DB8::7", "--------------", "Delete Printer"}));
    EXPECT_EQ(codes(4), (Codes{100, 12, 13, U}));
}

TEST_F(DiscoveryTest, StoredAddressesNeedTheSettingsLibraryAndTheListFamily) {
    store(2, ipv6({0x20, 0x01}, 1), kIPv6Length);
    run();
    EXPECT_EQ(combo7.items(), Items{"No Printer"});

    discovery.options.hasSettingsLibrary = false;
    store(3, {10, 0, 0, 1}, kIPv4Length);
    run();
    EXPECT_EQ(combo7.items(), Items{"No Printer"});
}

TEST_F(DiscoveryTest, OnlyThirtyPositionsAreCoded) {
    usbPrinters(16);
    link.settings.printerList =
        networkListData(std::vector<ListedPrinter>(10, ListedPrinter{"P", {10, 0, 0, 1}, {}, {}}));
    for (std::uint8_t s = 0; s < 5; ++s) store(s, {10, 1, 1, s}, kIPv4Length);
    run();
    EXPECT_EQ(combo0.count(), 26);
    EXPECT_EQ(combo7.count(), 34);
    EXPECT_EQ(combo7.item(33), "Delete Printer");
    const auto& c = discovery.entryCodes();
    EXPECT_EQ(c[25], 1);
    EXPECT_EQ(c[26], 11);
    EXPECT_EQ(c[29], 202);
}

}  // namespace
}  // namespace orvan::link
