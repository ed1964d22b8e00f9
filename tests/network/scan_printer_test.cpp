// "Scan Printer": what the combo's text leads to (add, search or a plain
// rediscovery), what is remembered, and which printer is watched after.
#include <gtest/gtest.h>

#include "select_rig.h"
#include "simulator/printer_addresses.h"

namespace orvan::testing {
namespace {

using ui::Answer;

constexpr const char* kRediscover = "Would you like to refresh the status of Online Printers?";

// A printer on another subnet: it answers at 192.168.0.77 but is in no list.
void addPrinterAt77(sim::SimulatedPrinters& world) {
    sim::addNetworkPrinterAt(world, *sim::parseSimAddress("192.168.0.77"), "FARAWAY");
}

TEST(ScanPrinter, ANewAddressIsAddedSearchedAndWatchedFirst) {
    SelectRig rig;
    addPrinterAt77(rig.world);
    rig.boxes.answerNext(Answer::Ok);
    rig.scan("  192.168.0.77 ");
    EXPECT_EQ(rig.shownTexts(), std::vector<std::string>{"192.168.0.77 This printer is added."});
    EXPECT_EQ(rig.history().entries[0], storedIPv4(192, 168, 0, 77));
    EXPECT_EQ(rig.combo().items(),
              (std::vector<std::string>{"192.168.0.77", "USB:Unit1", "NET:ORVAN02",
                                        "--------------", "Delete Printer"}));
    EXPECT_EQ(rig.monitor->discovery().entryCodes()[0], 100);  // searched, stored in slot 0
    EXPECT_EQ(rig.combo().listIndex(), 0);
    EXPECT_EQ(rig.state().selected.connection, link::Connection::Network);
    EXPECT_EQ(rig.state().selected.address[3], 77);
    EXPECT_EQ(rig.tab().Text7[0].text(), "FARAWAY");
    EXPECT_TRUE(rig.main().Timer1.enabled());

    // Searched again: already stored, so "searched", and nothing is added.
    rig.boxes.clear();
    rig.boxes.answerNext(Answer::Ok);
    rig.scan("192.168.0.77");
    EXPECT_EQ(rig.shownTexts(), std::vector<std::string>{"192.168.0.77 This printer is searched."});
    EXPECT_TRUE(rig.history().entries[1].empty());
    EXPECT_EQ(rig.combo().item(0), "192.168.0.77");
}

TEST(ScanPrinter, CancelLeavesTheListAndTheWatchedPrinterAsTheyWere) {
    SelectRig rig;
    rig.history().entries[3] = storedIPv4(192, 168, 0, 77);
    rig.choose(1);  // NET:ORVAN02 at .51
    rig.world.clearCalls();
    for (const char* typed : {"192.168.0.77", "192.168.0.78"}) {
        rig.boxes.answerNext(Answer::Cancel);
        rig.scan(typed);
    }
    EXPECT_EQ(rig.shownTexts(), (std::vector<std::string>{"192.168.0.77 This printer is searched.",
                                                          "192.168.0.78 This printer is added."}));
    EXPECT_EQ(rig.state().selected.address[3], 51);
    EXPECT_FALSE(rig.monitor->discovery().options.searchPending);
    EXPECT_EQ(rig.world.countCalls("P_RefreshPrinterList"), 0);
    EXPECT_TRUE(rig.history().entries[0].empty());
    EXPECT_TRUE(rig.main().Timer1.enabled());

    // The cancelled address is no target of the next search either.
    rig.boxes.answerNext(Answer::Ok);
    rig.scan("");
    for (const auto& entry : rig.monitor->discovery().entries())
        EXPECT_NE(entry.kind, link::EntryKind::Searched) << entry.displayName;
}

TEST(ScanPrinter, TextsThatAreNoAddressAskForAPlainRediscovery) {
    SelectRig rig;
    // Empty, the list's own texts, a part above 255, and IPv4 typed while
    // IPv6 is chosen.
    const std::pair<const char*, bool> typed[] = {{"", false},
                                                  {"No Printer", false},
                                                  {"USB:Unit1", false},
                                                  {"NET:ORVAN02", false},
                                                  {"192.168.0.256", false},
                                                  {"192.168.0.77", true}};
    for (const auto& [text, ipv6] : typed) {
        rig.boxes.clear();
        rig.boxes.answerNext(Answer::Cancel);
        rig.scan(text, ipv6);
        EXPECT_EQ(rig.shownTexts(), std::vector<std::string>{kRediscover}) << text;
    }
    EXPECT_EQ(rig.history(), link::IpHistory{});

    // OK rebuilds the list in the chosen family and watches its first printer.
    rig.choose(1);
    rig.boxes.answerNext(Answer::Ok);
    rig.scan("NET:ORVAN02", true);
    EXPECT_TRUE(rig.state().preferIPv6);
    EXPECT_EQ(rig.state().selected.connection, link::Connection::Usb);
    EXPECT_TRUE(rig.tab().Option7_5[1].value());
}

TEST(ScanPrinter, AnEleventhAddressIsNotStoredAndTheSearchGoesOnWithoutIt) {
    SelectRig rig;
    addPrinterAt77(rig.world);
    for (std::uint8_t s = 0; s < 10; ++s) rig.history().entries[s] = storedIPv4(10, 0, 1, s);
    const link::IpHistory full = rig.history();
    rig.boxes.answerNext(Answer::Ok);
    rig.boxes.answerNext(Answer::Ok);
    rig.scan("192.168.0.77");
    EXPECT_EQ(rig.shownTexts(),
              (std::vector<std::string>{"192.168.0.77 This printer is added.", kRediscover}));
    EXPECT_EQ(rig.history(), full);
    // No searched entry: the list starts with the USB printer.
    EXPECT_EQ(rig.combo().item(0), "USB:Unit1");
    EXPECT_EQ(rig.monitor->discovery().searchedPosition(), -1);
}

TEST(ScanPrinter, AnIPv6AddressIsReadInItsOwnFamily) {
    SelectRig rig;
    rig.boxes.answerNext(Answer::Ok);
    rig.scan("fd00::51", true);  // the network printer's second address
    EXPECT_EQ(rig.shownTexts(), std::vector<std::string>{"FD00::51 This printer is added."});
    EXPECT_EQ(rig.history().entries[0].length, 16);
    EXPECT_TRUE(rig.state().preferIPv6);
    EXPECT_EQ(rig.combo().item(0), "FD00::51");
    EXPECT_EQ(rig.state().selected.connection, link::Connection::Network);
    EXPECT_EQ(rig.tab().Text7[0].text(), "ORVAN02");
    // Over the network in IPv6 the tab shows no IPv4 address at all.
    EXPECT_EQ(rig.tab().label7_3(6).caption(), "");
    EXPECT_EQ(rig.tab().Text7[1].text(), "");
}

}  // namespace
}  // namespace orvan::testing
