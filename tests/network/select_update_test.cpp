// What the Printer Select tab sends: Update's network page over USB and the
// name alone over the network, its input checks, the IPsec switch-off, and
// "Sync Time".
#include <gtest/gtest.h>

#include "select_rig.h"

namespace orvan::testing {
namespace {

using Bytes = std::vector<std::uint8_t>;
using ui::Answer;

constexpr const char* kInvalid = "Invalid input paramter. Please confirm input paramter.\rDetails:";

void typeStaticAddresses(network::PrinterSelectTab& tab) {
    tab.Option7_2[1].setValue(true);
    tab.Text7[1].setText("10.0.0.5");
    tab.Text7[2].setText(" 255. 255. 255. 0");
    tab.Text7[3].setText("10.0.0.1 ");
}

TEST(PrinterSelectUpdate, OverUsbTheNetworkPageCarriesEverySettingOfTheTab) {
    SelectRig rig;
    auto& tab = rig.tab();
    tab.Text7[0].setText("OFFICE-PRINTER-2");  // the box takes ten characters
    typeStaticAddresses(tab);
    tab.Option7_1[1].setValue(true);  // default interface USB
    tab.Combo7_2.setListIndex(3);     // 30min
    rig.update();
    EXPECT_EQ(rig.shownTexts(),
              std::vector<std::string>{"Would you like to change Printer Setting?"});
    const Bytes page = {0x2D, 78,                                    //
                        10, 0, 0, 5, 255, 255, 255, 0, 10, 0, 0, 1,  // 2-13 address, mask,
                                                                     // gateway
                        3, 1, 1,  // 14 timeout, 15 static, 16 USB
                        'O', 'F', 'F', 'I', 'C', 'E', '-', 'P', 'R', 'I',  // 17-26 the first ten
                        0, 0xFF, 64, 0,  // 27, 28 (never sent), 29, 30
                        0xFE, 0x80, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1,  // 31-46 IPv6 gateway
                        0xFD, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x50,  // 47-62 IPv6 address
                        0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,  // 63-79 unused
                        0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    EXPECT_EQ(rig.lastSelect(0x2D), page);
    EXPECT_EQ(rig.world.usb(0).pageText(0x2D, 17, 10), "OFFICE-PRI");

    // Blanks around the name go; a short name ends with a 0 byte, and the
    // printer reads no further.
    tab.Text7[0].setText(" LAB  ");
    rig.update();
    const Bytes shortName = rig.lastSelect(0x2D);
    EXPECT_EQ(Bytes(shortName.begin() + 17, shortName.begin() + 21), (Bytes{'L', 'A', 'B', 0}));
    EXPECT_EQ(rig.world.usb(0).name(), "LAB");
}

TEST(PrinterSelectUpdate, TheNameTravelsAsOneByteACharacter) {
    SelectRig rig;
    rig.world.usb(0).setPageText(0x2D, 17, 10, "B\xDCRO");
    rig.main().SSTab1.setTab(shell::StatusTab);
    rig.main().SSTab1.setTab(shell::PrinterSelectTab);
    EXPECT_EQ(rig.tab().Text7[0].text(), "B\u00DCRO");
    // Ten characters fill the box whole, though they take twenty bytes of text.
    rig.world.usb(0).setPageText(0x2D, 17, 10, "\xC4\xD6\xDC\xE4\xF6\xFC\xDF\xE9\xE8\xEA");
    rig.main().SSTab1.setTab(shell::StatusTab);
    rig.main().SSTab1.setTab(shell::PrinterSelectTab);
    EXPECT_EQ(rig.tab().Text7[0].text(),
              "\u00C4\u00D6\u00DC\u00E4\u00F6\u00FC\u00DF\u00E9\u00E8\u00EA");
    // Latin-1 characters go as their byte, others as "?", never half a character.
    rig.tab().Text7[0].setText("Caf\u00E9 \u2605\u00C4");
    rig.update();
    const Bytes sent = rig.lastSelect(0x2D);
    EXPECT_EQ(Bytes(sent.begin() + 17, sent.begin() + 25),
              (Bytes{'C', 'a', 'f', 0xE9, ' ', '?', 0xC4, 0}));
}

TEST(PrinterSelectUpdate, AStaticAddressThatDoesNotReadShowsItsFieldAndSendsNothing) {
    const std::pair<std::size_t, std::string> bad[] = {
        {1, "<IP Address>10.0.0.256"}, {2, "<Sub Net Mask>255.255.0"}, {3, "<Default Gateway>x"}};
    for (const auto& [field, details] : bad) {
        SelectRig rig;
        auto& tab = rig.tab();
        tab.Text7[0].setText("RENAMED");
        typeStaticAddresses(tab);
        tab.Text7[field].setText(details.substr(details.find('>') + 1));
        const link::SettingsImage before = rig.image();
        rig.update();
        EXPECT_EQ(rig.shownTexts(),
                  (std::vector<std::string>{"Would you like to change Printer Setting?",
                                            kInvalid + details}));
        EXPECT_EQ(rig.boxes.shown().back().icon, ui::Icon::Warning);
        EXPECT_EQ(rig.world.countCalls("KQCMD_ModeSelect"), 0);
        EXPECT_EQ(rig.image(), before);  // not even the name is kept
    }

    // In automatic mode the addresses are not checked; one that does not
    // read keeps its bytes, the ones that do are sent.
    SelectRig rig;
    auto& tab = rig.tab();
    tab.Option7_2[0].setValue(true);
    tab.Text7[1].setText("not an address");
    tab.Text7[3].setText("192.168.0.254");
    rig.update();
    const Bytes sent = rig.lastSelect(0x2D);
    ASSERT_EQ(sent.size(), 80u);
    EXPECT_EQ(Bytes(sent.begin() + 2, sent.begin() + 6), (Bytes{192, 168, 0, 50}));
    EXPECT_EQ(Bytes(sent.begin() + 10, sent.begin() + 14), (Bytes{192, 168, 0, 254}));
    EXPECT_EQ(sent[15], 0);
}

TEST(PrinterSelectUpdate, OverTheNetworkOnlyTheNameIsWritten) {
    SelectRig rig;
    rig.choose(1);
    rig.world.clearCalls();
    auto& tab = rig.tab();
    tab.Text7[0].setText("FRONTDESK");
    tab.Text7[1].setText("garbage");  // not read over the network
    rig.update();
    EXPECT_EQ(rig.shownTexts().back(), "Would you like to change Printer Setting?");
    const auto values = rig.world.callsTo("U_Set1stSettingValue");
    ASSERT_EQ(values.size(), 1u);
    EXPECT_EQ(values[0].args[0], 1);  // the name item, and no other
    EXPECT_EQ(values[0].bytes, (Bytes{'F', 'R', 'O', 'N', 'T', 'D', 'E', 'S', 'K', 0}));
    EXPECT_EQ(rig.world.countCalls("U_SetNextSettingValue"), 0);
    EXPECT_EQ(rig.world.network(0).name(), "FRONTDESK");
    EXPECT_EQ(rig.world.countCalls("KQCMD_WriteBuffer"), 0);
}

TEST(PrinterSelectUpdate, SwitchingIpsecOffClearsThePrinterIpsecModeOnce) {
    SelectRig rig;
    rig.world.usb(0).setIpsecMethod(1);
    rig.main().SSTab1.setTab(shell::StatusTab);
    rig.main().SSTab1.setTab(shell::PrinterSelectTab);
    rig.world.clearCalls();
    rig.tab().Option7_3[0].setValue(true);
    rig.world.scriptResult("KQCMD_WriteBuffer", -0x02000005, 1);
    rig.update();
    // The failure is told, and the network page is written all the same.
    ASSERT_EQ(rig.boxes.shown().size(), 2u);
    EXPECT_EQ(rig.boxes.shown()[1].text.rfind("It fails to setting IP Sec mode.\rDetails:", 0), 0u);
    const auto writes = rig.world.callsTo("KQCMD_WriteBuffer");
    ASSERT_EQ(writes.size(), 1u);
    EXPECT_EQ(writes[0].args[3], 0xA0);
    EXPECT_EQ(writes[0].bytes, (Bytes{0, 0, 0, 0}));
    EXPECT_EQ(rig.world.countCalls("KQCMD_ModeSelect"), 1);
    EXPECT_FALSE(rig.tab().ipsecAtLoad());

    // Asked once: the next Update leaves the mode alone.
    rig.update();
    EXPECT_EQ(rig.world.countCalls("KQCMD_WriteBuffer"), 1);
    // Shown again from the printer, still on: this time the write goes through.
    rig.main().SSTab1.setTab(shell::StatusTab);
    rig.main().SSTab1.setTab(shell::PrinterSelectTab);
    ASSERT_TRUE(rig.tab().ipsecAtLoad());
    rig.tab().Option7_3[0].setValue(true);
    rig.update();
    EXPECT_EQ(rig.world.usb(0).ipsecMethod(), 0);
}

// The switch goes with the page after the busy wait: a cancelled wait
// sends neither.
TEST(PrinterSelectUpdate, ACancelledBusyWaitLeavesIpsecAsItWas) {
    SelectRig rig;
    rig.world.usb(0).setIpsecMethod(1);
    rig.main().SSTab1.setTab(shell::StatusTab);
    rig.main().SSTab1.setTab(shell::PrinterSelectTab);
    rig.tab().Option7_3[0].setValue(true);
    rig.world.usb(0).setBusyFor(1000);
    ui::Timer cancel{"Cancel"};  // the user presses the wait window's Cancel
    rig.loop.attach(cancel);
    cancel.onTick = [&] {
        cancel.setEnabled(false);
        rig.monitor->busyWait().cancel();
    };
    cancel.setInterval(1500);
    cancel.setEnabled(true);
    rig.update();
    rig.loop.detach(cancel);
    EXPECT_EQ(rig.world.countCalls("KQCMD_WriteBuffer"), 0);
    EXPECT_EQ(rig.world.countCalls("KQCMD_ModeSelect"), 0);
    EXPECT_EQ(rig.world.usb(0).ipsecMethod(), 1);
    EXPECT_TRUE(rig.tab().ipsecAtLoad());  // still to be switched off by the next Update
}

TEST(PrinterSelectUpdate, SyncTimeTakesEveryFieldFromOneReadingOfTheClock) {
    SelectRig rig;
    // The clock turns the minute (and the year) between two readings.
    std::vector<std::tm> readings(2);
    readings[0].tm_year = 124, readings[0].tm_mon = 11, readings[0].tm_mday = 31;
    readings[0].tm_hour = 23, readings[0].tm_min = 59, readings[0].tm_sec = 59;
    readings[1].tm_year = 125, readings[1].tm_mday = 1;
    std::size_t read = 0;
    rig.tab().readClockWith([&] { return readings[std::min(read++, readings.size() - 1)]; });
    const Bytes lastSecondOf2024 = {124, 11, 30, 23, 59, 59, 0, 0};

    rig.tab().Command7_3.click();
    EXPECT_EQ(read, 1u);
    const auto* write = rig.world.lastCall("KQCMD_WriteBuffer");
    ASSERT_NE(write, nullptr);
    EXPECT_EQ(write->args[3], 0xA1);
    EXPECT_EQ(write->bytes, lastSecondOf2024);
    EXPECT_TRUE(rig.boxes.shown().empty());

    // Over the network: setting value 10, the same eight bytes.
    rig.choose(1);
    read = 0;
    rig.tab().Command7_3.click();
    const auto* value = rig.world.lastCall("U_Set1stSettingValue");
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->args[0], 10);
    EXPECT_EQ(value->bytes, lastSecondOf2024);
    EXPECT_EQ(Bytes(rig.world.network(0).clock().begin(), rig.world.network(0).clock().end()),
              lastSecondOf2024);

    // A reply for another request is a failure, told with its own text.
    rig.world.scriptSequenceMismatch(1);
    rig.tab().Command7_3.click();
    ASSERT_EQ(rig.boxes.shown().size(), 1u);
    EXPECT_EQ(rig.boxes.shown()[0].text.rfind("It fails to setting Sync Time.\rDetails:", 0), 0u);
    EXPECT_EQ(rig.boxes.shown()[0].icon, ui::Icon::Warning);
}

}  // namespace
}  // namespace orvan::testing
