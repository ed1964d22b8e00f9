// The IPv6 dialogs: opened modally by the tab's IPv6 "Details ...", the
// setting dialog's all-or-nothing Update and its prefix length, the property
// dialog's effective addresses, and the printer check of every button.
#include <gtest/gtest.h>

#include "select_rig.h"

namespace orvan::testing {
namespace {

using Bytes = std::vector<std::uint8_t>;
using network::kAddressText;
using network::kGatewayText;
using network::kPrefixText;
using ui::Answer;

constexpr const char* kInvalid = "Invalid input paramter. Please confirm input paramter.\rDetails:";

struct Ipv6Rig : SelectRig {
    network::Ipv6SettingForm& dialog() { return tab().ipv6Setting; }
    ui::TextBox& field(std::size_t index) { return dialog().text1(index); }
    // Opens the setting dialog from the tab and runs `steps` inside it.
    void inSettingDialog(bool staticMode, std::vector<std::function<void()>> steps) {
        tab().Option7_6[staticMode ? 1 : 0].setValue(true);
        whileOpen(
            dialog().form, [this] { tab().Command7_4.click(); }, std::move(steps));
    }
    void type(const std::string& address, const std::string& gateway, const std::string& prefix) {
        field(kAddressText).setText(address);
        field(kGatewayText).setText(gateway);
        field(kPrefixText).setText(prefix);
    }
    void pressUpdate() {
        boxes.answerNext(Answer::Ok);
        dialog().Cmd1[network::kDialogUpdate].click();
    }
};

TEST(Ipv6SettingDialog, OpensWithTheTabsModeAndShowsTheStaticAddress) {
    Ipv6Rig rig;
    bool wasModal = false;
    rig.inSettingDialog(true, {[&] {
                            wasModal = rig.dialog().form.modal();
                            EXPECT_EQ(rig.field(kAddressText).text(), " FD00::50");
                            EXPECT_EQ(rig.field(kGatewayText).text(), " FE80::1");
                            EXPECT_EQ(rig.field(kPrefixText).text(), " 64");
                            EXPECT_TRUE(rig.field(kAddressText).enabled());
                            EXPECT_TRUE(rig.dialog().Cmd1[network::kDialogUpdate].enabled());
                        }});
    EXPECT_TRUE(wasModal);
    EXPECT_EQ(rig.image().NetworkSetting.Byte30, 1);
    EXPECT_FALSE(rig.dialog().form.visible());

    // Automatic: every field closed, no Update, and the mode byte follows.
    rig.inSettingDialog(false, {[&] {
                            for (auto i : {kAddressText, kGatewayText, kPrefixText}) {
                                EXPECT_FALSE(rig.field(i).enabled());
                                EXPECT_EQ(rig.field(i).backColour(), ui::kLightCyan);
                            }
                            EXPECT_FALSE(rig.dialog().Cmd1[network::kDialogUpdate].enabled());
                        }});
    EXPECT_EQ(rig.image().NetworkSetting.Byte30, 0);

    // Without the tab's right there is no Update even in static mode.
    rig.probe().startFlags().isAdministrator = false;
    rig.inSettingDialog(
        true, {[&] { EXPECT_FALSE(rig.dialog().Cmd1[network::kDialogUpdate].enabled()); }});
}

TEST(Ipv6SettingDialog, UpdateStoresAllThreeFieldsOrNothing) {
    Ipv6Rig rig;
    const link::NetworkSettingPage before = rig.image().NetworkSetting;
    rig.inSettingDialog(true, {[&] {
                                   // A good address and a bad gateway: the message, and the
                                   // address is not kept for a later write either.
                                   rig.type(" 2001:db8::5", "fe80::1::2", "64");
                                   rig.pressUpdate();
                               },
                               [&] {
                                   rig.type("2001:db8::5", "fe80::1", "129");
                                   rig.pressUpdate();
                               },
                               [&] {
                                   rig.type("12", "fe80::1", "64");
                                   rig.pressUpdate();
                               }});
    EXPECT_EQ(rig.shownTexts(),
              (std::vector<std::string>{"Would you like to change Printer Setting?",
                                        std::string(kInvalid) + "<Default Gateway>",
                                        "Would you like to change Printer Setting?",
                                        std::string(kInvalid) + "<Subnet Prefix Length>",
                                        "Would you like to change Printer Setting?",
                                        std::string(kInvalid) + "<IPv6 Address>"}));
    EXPECT_EQ(rig.world.countCalls("KQCMD_ModeSelect"), 0);
    EXPECT_EQ(rig.image().NetworkSetting.Block47, before.Block47);
    EXPECT_EQ(rig.image().NetworkSetting.Byte29, before.Byte29);

    // All three good: stored and the network page is written.
    rig.boxes.clear();
    rig.inSettingDialog(true, {[&] {
                            rig.type(" 2001:DB8::5 ", "2001:db8::1", "48.4");
                            rig.pressUpdate();
                        }});
    EXPECT_EQ(rig.shownTexts(),
              std::vector<std::string>{"Would you like to change Printer Setting?"});
    const Bytes sent = rig.lastSelect(0x2D);
    ASSERT_EQ(sent.size(), 80u);
    EXPECT_EQ(sent[29], 48);
    EXPECT_EQ(sent[30], 1);
    EXPECT_EQ(Bytes(sent.begin() + 31, sent.begin() + 47),
              (Bytes{0x20, 0x01, 0x0D, 0xB8, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x01}));
    EXPECT_EQ(Bytes(sent.begin() + 47, sent.begin() + 63),
              (Bytes{0x20, 0x01, 0x0D, 0xB8, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x05}));
}

// What a fill shows fits its box whole and goes back unchanged: the
// longest prefix, and an unset gateway shown blank.
TEST(Ipv6SettingDialog, WhatTheFillShowsAnUpdateSendsBackByteForByte) {
    Ipv6Rig rig;
    auto& printer = rig.world.usb(0);
    printer.setPageByte(0x2D, 29, 128);
    for (int offset = 31; offset < 47; ++offset) printer.setPageByte(0x2D, offset, 0);
    for (int offset = 47; offset < 63; ++offset) printer.setPageByte(0x2D, offset, 0xFE);
    rig.monitor->cycles().readAll(network::PrinterSelectTab::kLinkPlan);
    rig.inSettingDialog(true, {[&] {
                            EXPECT_EQ(rig.field(kPrefixText).text(), " 128");
                            EXPECT_EQ(rig.field(kGatewayText).text(), " ");
                            EXPECT_EQ(rig.field(kAddressText).text(),
                                      " FEFE:FEFE:FEFE:FEFE:FEFE:FEFE:FEFE:FEFE");
                            rig.pressUpdate();
                        }});
    EXPECT_EQ(rig.shownTexts(),
              std::vector<std::string>{"Would you like to change Printer Setting?"});
    const Bytes sent = rig.lastSelect(0x2D);
    ASSERT_EQ(sent.size(), 80u);
    EXPECT_EQ(sent[29], 128);
    EXPECT_EQ(Bytes(sent.begin() + 31, sent.begin() + 47), Bytes(16, 0));
    EXPECT_EQ(Bytes(sent.begin() + 47, sent.begin() + 63), Bytes(16, 0xFE));
}

// Refresh reads the printer's address mode: the dialog shows it, and an
// Update sends the mode shown.
TEST(Ipv6SettingDialog, AfterRefreshTheDialogShowsAndSendsThePrintersMode) {
    Ipv6Rig rig;
    rig.world.usb(0).setPageByte(0x2D, 30, 0);  // automatic on the printer
    rig.inSettingDialog(true, {[&] {
                            rig.boxes.answerNext(Answer::Ok);
                            rig.dialog().Cmd1[network::kDialogRefresh].click();
                            EXPECT_FALSE(rig.field(kAddressText).enabled());
                            EXPECT_FALSE(rig.dialog().Cmd1[network::kDialogUpdate].enabled());
                        }});
    rig.world.usb(0).setPageByte(0x2D, 30, 1);  // static on the printer
    rig.inSettingDialog(false, {[&] {
                            rig.boxes.answerNext(Answer::Ok);
                            rig.dialog().Cmd1[network::kDialogRefresh].click();
                            EXPECT_TRUE(rig.field(kAddressText).enabled());
                            rig.pressUpdate();
                        }});
    EXPECT_EQ(rig.lastSelect(0x2D).at(30), 1);
}

TEST(Ipv6SettingDialog, PrefixLengthIsRoundedAndMustLieWithin0To128) {
    EXPECT_EQ(network::PrefixLength(" 64"), 64);
    EXPECT_EQ(network::PrefixLength("64.4"), 64);
    EXPECT_EQ(network::PrefixLength("64.6"), 65);
    EXPECT_EQ(network::PrefixLength("64.5"), 64);  // half to even
    EXPECT_EQ(network::PrefixLength("0"), 0);
    EXPECT_EQ(network::PrefixLength("128"), 128);
    EXPECT_EQ(network::PrefixLength("12x"), 12);
    for (const char* refused : {"129", "-1", "", " ", "abc", ".", "99999999999999"})
        EXPECT_EQ(network::PrefixLength(refused), std::nullopt) << refused;
}

TEST(Ipv6Dialogs, EveryButtonFirstLooksForAPrinter) {
    Ipv6Rig rig;
    rig.inSettingDialog(true, {[&] {
                                   rig.state().printerCount = 0;
                                   rig.dialog().Cmd1[network::kDialogClose].click();
                                   EXPECT_TRUE(rig.dialog().form.visible());  // Close too
                                   rig.dialog().Cmd1[network::kDialogUpdate].click();
                                   rig.dialog().Cmd1[network::kDialogRefresh].click();
                               },
                               [&] {
                                   rig.state().printerCount = 2;
                                   rig.dialog().Cmd1[network::kDialogClose].click();
                               }});
    EXPECT_EQ(rig.shownTexts(), std::vector<std::string>(3, "Printer is not found."));
    EXPECT_FALSE(rig.dialog().form.visible());

    // And the tab's "Details ..." itself.
    rig.boxes.clear();
    rig.state().printerCount = 0;
    rig.tab().Command7_4.click();
    EXPECT_EQ(rig.shownTexts(), std::vector<std::string>{"Printer is not found."});
}

TEST(Ipv6PropertyDialog, ShowsTheAddressesTheNetworkPrinterUsesAndRefreshesThem) {
    Ipv6Rig rig;
    rig.choose(1);
    auto& dialog = rig.tab().ipv6Property;
    std::vector<std::string> shown;
    rig.whileOpen(dialog.form, [&] { rig.tab().Command7_4.click(); },
                  {[&] {
                       for (std::size_t n = 1; n <= 3; ++n)
                           shown.push_back(dialog.label1(n).caption());
                       rig.world.network(0).setEffectiveIPv6(
                           2, {0x20, 0x01, 0x0D, 0xB8, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x51});
                       rig.boxes.answerNext(Answer::Ok);
                       dialog.Cmd1[network::kDialogRefresh]->click();
                       shown.push_back(dialog.label1(3).caption());
                   },
                   [&] { dialog.Cmd1[network::kDialogClose]->click(); }});
    EXPECT_EQ(shown, (std::vector<std::string>{" FE80::4F:52FF:FE56:51", " FD00::51", " ",
                                               " 2001:DB8::51"}));
    EXPECT_EQ(rig.shownTexts(),
              std::vector<std::string>{"Would you like to refresh Printer Setting?"});
    EXPECT_FALSE(dialog.form.visible());
    EXPECT_FALSE(rig.tab().ipv6Setting.form.visible());
}

}  // namespace
}  // namespace orvan::testing
