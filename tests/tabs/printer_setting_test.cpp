// The "Printer Setting" tab: what it shows of pages 0x28 and 0x2A, what its
// "Update" sends back over either connection, and which controls the
// printer's units open.
#include <gtest/gtest.h>

#include "tab_rig.h"
#include "tabs/printer_setting_tab.h"

namespace orvan::testing {
namespace {

using ui::Answer;
using Bytes = std::vector<std::uint8_t>;
using Values = std::vector<std::pair<std::int64_t, std::uint8_t>>;

struct PrinterSettingRig : TabRig {
    tabs::PrinterSettingTab tab{context()};

    PrinterSettingRig() : TabRig(tabs::PrinterSettingTab::kLinkPlan) {}

    void show() {
        tab.setup();
        readTab();
        tab.fill();
    }
    void update() {
        boxes.answerNext(Answer::Ok);
        tab.Cmd1[tabs::kUpdateButton].click();
    }
    std::string label(int i) const { return tab.Label1_3[static_cast<std::size_t>(i)].caption(); }
};

TEST(PrinterSettingTab, UsbRoundTripSendsEveryControlAtItsRequestByte) {
    PrinterSettingRig rig;
    rig.show();
    EXPECT_EQ(rig.label(tabs::YmcLevel), "0");  // byte 50 = 3
    EXPECT_EQ(rig.label(tabs::RetryCount), "2");
    EXPECT_EQ(rig.tab.Combo1_1.text(), "15min");
    EXPECT_TRUE(rig.tab.Opt1_5[0].value());  // HR Control byte 8 = 1: "Enable"
    EXPECT_TRUE(rig.tab.Opt1_2[1].value());  // ISO encoder, byte 2 = 1: "Hi-Co"

    rig.tab.HScroll1[tabs::YmcLevel].setValue(6);
    EXPECT_EQ(rig.label(tabs::YmcLevel), "3");
    rig.tab.Opt1_5[1].setValue(true);  // "Disable"
    rig.tab.Combo1_2.setListIndex(4);
    rig.update();
    EXPECT_EQ(rig.boxes.shown().back().text, "Would you like to change Printer Setting?");

    // 32 bytes in the request's own order; 0xFF where no field is sent.
    const Bytes condition = {0x28, 30, 0xFF, 0xFF, 2,    2, 2, 2, 1, 0xFF, 0xFF, 0, 0, 3, 0, 3,
                             3,    0,  0,    0,    0xFF, 0, 2, 6, 3, 0xFF, 0,    4, 2, 2, 0, 0xFF};
    EXPECT_EQ(rig.lastSelect(0x28), condition);
    // ISO "Hi-Co", JIS never shown (so kept at 0), two retries.
    EXPECT_EQ(rig.lastSelect(0x2A), (Bytes{0x2A, 8, 1, 0, 0xFF, 0xFF, 0xFF, 2, 0xFF, 0xFF}));
    EXPECT_EQ(rig.world.usb(0).pageByte(0x28, 50), 6);
    EXPECT_EQ(rig.world.usb(0).pageByte(0x28, 8), 0);

    // "Refresh" shows what the printer now holds.
    rig.tab.HScroll1[tabs::YmcLevel].setValue(0);
    rig.boxes.answerNext(Answer::Ok);
    rig.tab.Cmd1[tabs::kRefreshButton].click();
    EXPECT_EQ(rig.label(tabs::YmcLevel), "3");
    EXPECT_TRUE(rig.tab.Opt1_5[1].value());
    EXPECT_EQ(rig.tab.Combo1_2.text(), "Error Counter");
}

TEST(PrinterSettingTab, NetworkRoundTripSendsTheSameFieldsAsItems) {
    PrinterSettingRig rig;
    rig.useNetwork();
    rig.show();
    rig.tab.HScroll1[tabs::ResinKLevel].setValue(0);
    rig.tab.Opt1_1[1].setValue(true);  // "Fine"
    rig.tab.Opt1_3[1].setValue(true);  // Buzzer "Disable"
    rig.tab.HScroll1[tabs::RetryCount].setValue(3);
    rig.update();
    const Values expected = {{70, 0}, {71, 1}, {72, 3}, {74, 3}, {75, 3}, {85, 0},
                             {86, 0}, {92, 1}, {95, 0}, {22, 1}, {24, 2}, {27, 3},
                             {29, 0}, {30, 0}, {40, 3}, {41, 0}, {42, 1}};
    EXPECT_EQ(rig.writtenValues(), expected);
    EXPECT_EQ(rig.world.network(0).pageByte(0x28, 41), 0);
    EXPECT_EQ(rig.world.network(0).pageByte(0x28, 45), 1);
}

TEST(PrinterSettingTab, ValueLabelsShowTheLevelAroundTheMiddleAndRetriesAsTheyAre) {
    PrinterSettingRig rig;
    auto& pc = rig.world.usb(0);
    pc.setPageByte(0x28, 41, 0);
    pc.setPageByte(0x28, 43, 6);
    pc.setPageByte(0x2A, 7, 3);
    rig.show();
    EXPECT_EQ(rig.label(tabs::ResinKLevel), "-3");
    EXPECT_EQ(rig.label(tabs::UvLevel), "3");
    EXPECT_EQ(rig.label(tabs::PeelOffLevel), "0");
    EXPECT_EQ(rig.label(tabs::RetryCount), "3");

    // Without a printer every bar is off and its label empty; an empty retry
    // label collects as 0.
    rig.state.printerCount = 0;
    rig.tab.fill();
    for (int i = 0; i < 6; ++i) {
        EXPECT_FALSE(rig.tab.HScroll1[static_cast<std::size_t>(i)].enabled()) << i;
        EXPECT_EQ(rig.label(i), "") << i;
    }
    rig.tab.collect();
    EXPECT_EQ(rig.data.image.MagneticSetting.Byte7, 0);
    EXPECT_EQ(rig.data.image.PrintCondition.Byte41, 3);
}

TEST(PrinterSettingTab, UnitsOpenOnlyTheirControls) {
    PrinterSettingRig rig;
    auto& printer = rig.world.usb(0);
    printer.setOption(40, 2);  // JIS encoder
    printer.setOption(44, 0);  // no turn-over unit
    rig.show();
    EXPECT_FALSE(rig.tab.FrameOpt1_2.enabled());
    EXPECT_FALSE(rig.tab.Opt1_2[0].enabled());
    EXPECT_TRUE(rig.tab.FrameOpt1_4.enabled());
    EXPECT_TRUE(rig.tab.Opt1_4[0].value());
    EXPECT_TRUE(rig.tab.HScroll1[tabs::RetryCount].enabled());
    for (auto* pair : {&rig.tab.Opt1_7, &rig.tab.Opt1_9})
        EXPECT_FALSE((*pair)[0].enabled() || (*pair)[1].enabled());

    printer.setOption(40, 0);  // no encoder at all
    printer.setOption(44, 1);
    printer.setPageByte(0x28, 58, 255);  // back side cooling not offered
    rig.readTab();
    rig.tab.fill();
    EXPECT_FALSE(rig.tab.HScroll1[tabs::RetryCount].enabled());
    EXPECT_EQ(rig.label(tabs::RetryCount), "");
    EXPECT_FALSE(rig.tab.FrameOpt1_4.enabled());
    EXPECT_TRUE(rig.tab.Opt1_7[0].enabled());
    EXPECT_FALSE(rig.tab.Opt1_9[0].enabled());

    // 255 goes back as 255 over USB and is left out over the network.
    rig.update();
    EXPECT_EQ(rig.lastSelect(0x28)[30], 255);
    EXPECT_EQ(rig.data.image.PrintCondition.Byte58, 255);
    rig.useNetwork();
    rig.world.network(0).setPageByte(0x28, 58, 255);
    rig.readTab();
    rig.tab.fill();
    rig.update();
    for (const auto& [item, value] : rig.writtenValues()) EXPECT_NE(item, 95);
}

TEST(PrinterSettingTab, OutOfRangeBytesLeaveListsAndBarsAsTheyWere) {
    PrinterSettingRig rig;
    rig.show();
    ASSERT_EQ(rig.tab.Combo1_1.listIndex(), 2);
    rig.world.usb(0).setPageByte(0x28, 46, 9);    // past "Off"
    rig.world.usb(0).setPageByte(0x28, 54, 5);    // past "Error Counter"
    rig.world.usb(0).setPageByte(0x28, 50, 200);  // no print level
    rig.readTab();
    rig.tab.fill();
    EXPECT_EQ(rig.tab.Combo1_1.listIndex(), 2);
    EXPECT_EQ(rig.tab.Combo1_2.listIndex(), 0);
    EXPECT_FALSE(rig.tab.HScroll1[tabs::YmcLevel].enabled());
    EXPECT_EQ(rig.label(tabs::YmcLevel), "");

    // The bar's byte is sent back as the printer gave it, never clamped.
    rig.update();
    EXPECT_EQ(rig.lastSelect(0x28)[23], 200);
}

TEST(PrinterSettingTab, UpdateIsForThoseAllowedAndRefreshForEveryone) {
    PrinterSettingRig rig;
    rig.administrator = false;
    rig.tab.setup();
    EXPECT_FALSE(rig.tab.Cmd1[tabs::kUpdateButton].enabled());
    EXPECT_TRUE(rig.tab.Cmd1[tabs::kRefreshButton].enabled());
    EXPECT_EQ(rig.tab.Combo1_1.count(), 9);
    EXPECT_EQ(rig.tab.Combo1_1.item(0), " 5min");
    EXPECT_EQ(rig.tab.Combo1_2.item(4), "Error Counter");
    rig.granted[1] = true;
    rig.tab.setup();
    EXPECT_TRUE(rig.tab.Cmd1[tabs::kUpdateButton].enabled());
    EXPECT_EQ(rig.tab.Combo1_1.count(), 9);  // filled afresh, not twice
}

}  // namespace
}  // namespace orvan::testing
