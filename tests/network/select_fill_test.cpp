// What the Printer Select tab shows for no printer, a USB printer and a
// network printer, and which of its controls may be used then.
#include <gtest/gtest.h>

#include "select_rig.h"

namespace orvan::testing {
namespace {

bool enabledPair(const tabs::OptionPair& pair) {
    return pair[0].enabled() && pair[1].enabled();
}

TEST(PrinterSelectFill, WithoutAPrinterOnlyTheListTheNameAndTheButtonsStayOpen) {
    SelectRig rig;
    auto& tab = rig.tab();
    rig.state().printerCount = 0;
    tab.fill();
    for (const auto& box : tab.Text7) EXPECT_EQ(box.text(), "");
    EXPECT_EQ(tab.label7_3(6).caption(), "");
    EXPECT_EQ(tab.label7_4(2).caption(), "");
    EXPECT_EQ(tab.Combo7_2.listIndex(), -1);
    for (const auto* pair :
         {&tab.Option7_1, &tab.Option7_2, &tab.Option7_3, &tab.Option7_4, &tab.Option7_6}) {
        EXPECT_FALSE((*pair)[0].value() || (*pair)[1].value());
        EXPECT_FALSE((*pair)[0].enabled() || (*pair)[1].enabled());
    }
    for (const ui::Control* off : std::initializer_list<const ui::Control*>{
             &tab.Text7[1], &tab.Text7[2], &tab.Text7[3], &tab.Combo7_2, &tab.Command7_2,
             &tab.Command7_3, &tab.Command7_4, &tab.label7_3(0), &tab.label7_3(5)})
        EXPECT_FALSE(off->enabled()) << off->name();
    EXPECT_EQ(tab.Text7[1].backColour(), ui::kLightCyan);
    EXPECT_EQ(tab.Combo7_2.backColour(), ui::kLightCyan);
    for (const ui::Control* on : std::initializer_list<const ui::Control*>{
             &tab.Combo7_1, &tab.Option7_5[0], &tab.Option7_5[1], &tab.Command7_1, &tab.Text7[0],
             &tab.Cmd7[0], &tab.Cmd7[1]})
        EXPECT_TRUE(on->enabled()) << on->name();
    // The address family stays chosen, so a typed address can still be read.
    EXPECT_TRUE(tab.Option7_5[0].value());
}

TEST(PrinterSelectFill, OverUsbThePageIsShownAndTheAddressesOpenInStaticMode) {
    SelectRig rig;
    auto& usb = rig.world.usb(0);
    usb.setPageByte(0x2D, 14, 7);  // no such timeout
    usb.setPageByte(0x2D, 16, 1);
    usb.setPageByte(0x2D, 30, 1);
    const std::uint8_t mac[6] = {0x0A, 0xB0, 0, 0x1F, 0xFF, 0x05};
    usb.setMac(std::span<const std::uint8_t, 6>(mac));
    usb.setIpsecMethod(2);
    rig.main().SSTab1.setTab(shell::StatusTab);
    rig.main().SSTab1.setTab(shell::PrinterSelectTab);

    auto& tab = rig.tab();
    EXPECT_EQ(tab.Text7[0].text(), "ORVAN01");
    EXPECT_TRUE(tab.Option7_1[1].value());  // "USB"
    EXPECT_TRUE(tab.Option7_2[1].value());  // static
    EXPECT_EQ(tab.Text7[1].text(), " 192. 168. 0. 50");
    EXPECT_EQ(tab.Text7[2].text(), " 255. 255. 255. 0");
    EXPECT_EQ(tab.Text7[3].text(), " 192. 168. 0. 1");
    EXPECT_EQ(tab.Combo7_2.text(), "None");
    EXPECT_EQ(rig.image().NetworkSetting.Byte14, 0);
    EXPECT_EQ(tab.label7_4(2).caption(), "0A-B0-00-1F-FF-05");
    EXPECT_EQ(tab.label7_3(6).caption(), "");
    EXPECT_FALSE(tab.label7_3(5).enabled());
    EXPECT_TRUE(tab.Option7_6[1].value());
    EXPECT_TRUE(tab.Option7_3[1].value());
    EXPECT_TRUE(tab.Option7_4[1].value());
    EXPECT_TRUE(tab.ipsecAtLoad());
    for (const auto* box : {&tab.Text7[1], &tab.Text7[2], &tab.Text7[3]}) {
        EXPECT_TRUE(box->enabled());
        EXPECT_EQ(box->backColour(), ui::kWhite);
    }
    EXPECT_TRUE(tab.Command7_2.enabled() && tab.Command7_3.enabled() && tab.Command7_4.enabled());

    // Automatic addresses close the fields, keeping their text.
    tab.Option7_2[0].setValue(true);
    EXPECT_FALSE(tab.Text7[1].enabled());
    EXPECT_EQ(tab.Text7[1].backColour(), ui::kLightCyan);
    EXPECT_EQ(tab.Text7[1].text(), " 192. 168. 0. 50");
    // The method only shows what is stored; IPsec off closes its "Details".
    tab.Option7_4[0].setValue(true);
    EXPECT_TRUE(tab.Option7_4[1].value());
    EXPECT_FALSE(tab.Option7_4[0].value());
    tab.Option7_3[0].setValue(true);
    EXPECT_FALSE(tab.Command7_2.enabled());
}

TEST(PrinterSelectFill, OverTheNetworkTheAddressInUseIsShownAndSettingsAreLocked) {
    SelectRig rig;
    rig.world.network(0).setPageByte(0x2D, 15, 0);  // automatic IPv4
    rig.world.network(0).setIpsecMethod(1);
    rig.choose(1);
    auto& tab = rig.tab();
    EXPECT_EQ(tab.label7_3(6).caption(), "192.168.0.51");
    EXPECT_TRUE(tab.label7_3(5).enabled() && tab.label7_3(6).enabled());
    EXPECT_EQ(tab.Text7[1].text(), "");  // automatic: the address field is empty
    EXPECT_EQ(tab.Text7[2].text(), " 255. 255. 255. 0");
    EXPECT_EQ(tab.label7_4(2).caption(), "02-4F-52-56-00-51");
    for (const auto* pair :
         {&tab.Option7_1, &tab.Option7_2, &tab.Option7_3, &tab.Option7_4, &tab.Option7_6})
        EXPECT_FALSE(enabledPair(*pair));
    for (const auto* box : {&tab.Text7[1], &tab.Text7[2], &tab.Text7[3]}) {
        EXPECT_FALSE(box->enabled());
        EXPECT_EQ(box->backColour(), ui::kLightCyan);
    }
    EXPECT_FALSE(tab.Combo7_2.enabled());
    EXPECT_FALSE(tab.label7_3(0).enabled());
    EXPECT_TRUE(tab.Option7_3[1].value());  // IPsec on, but no "Details" over the network
    EXPECT_FALSE(tab.Command7_2.enabled());
    EXPECT_TRUE(tab.Command7_4.enabled() && tab.Command7_3.enabled() && tab.Text7[0].enabled());
}

TEST(PrinterSelectFill, ChangingNeedsTheTabsRightShowingDoesNot) {
    SelectRig rig;
    rig.platform.administrator = false;
    rig.probe().startFlags().isAdministrator = false;
    rig.world.usb(0).setIpsecMethod(1);
    auto& tab = rig.tab();
    tab.setup();
    rig.main().SSTab1.setTab(shell::StatusTab);
    rig.main().SSTab1.setTab(shell::PrinterSelectTab);
    EXPECT_FALSE(tab.Cmd7[tabs::kUpdateButton].enabled());
    EXPECT_TRUE(tab.Cmd7[tabs::kRefreshButton].enabled());
    EXPECT_FALSE(tab.Command7_3.enabled());
    EXPECT_TRUE(tab.Option7_3[1].value());
    EXPECT_FALSE(tab.Command7_2.enabled());
    EXPECT_EQ(tab.Combo7_2.count(), 5);
    EXPECT_EQ(tab.Combo7_2.item(4), "60min");

    rig.monitor->rights().flags[7] = true;
    tab.setup();
    tab.fill();
    EXPECT_TRUE(tab.Command7_3.enabled());
    EXPECT_TRUE(tab.Command7_2.enabled());
    EXPECT_EQ(tab.Combo7_2.count(), 5);
}

}  // namespace
}  // namespace orvan::testing
