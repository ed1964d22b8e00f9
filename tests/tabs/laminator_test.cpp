// The "Laminator" tab: what page 0x2C shows by cassette state, what "Update"
// sends back over either connection (only the sides that can be changed,
// never the cassette byte), the value lists and the temperature rule.
#include <gtest/gtest.h>

#include "tab_rig.h"
#include "tabs/laminator_tab.h"

namespace orvan::testing {
namespace {

using ui::Answer;
using Bytes = std::vector<std::uint8_t>;
using Values = std::vector<std::pair<std::int64_t, std::uint8_t>>;
using Tab = tabs::LaminatorTab;

struct LaminatorRig : TabRig {
    tabs::LaminatorTab tab{context()};

    LaminatorRig() : TabRig(tabs::LaminatorTab::kLinkPlan) {}

    void show() {
        tab.setup();
        readTab();
        tab.fill();
    }
    void refill() {
        readTab();
        tab.fill();
    }
    void update() {
        boxes.answerNext(Answer::Ok);
        tab.Cmd8[tabs::kUpdateButton].click();
    }
    std::string label(int i) { return tab.label8(i).caption(); }
    // Page 0x2C bytes 2 to 16 of a printer, in page order.
    static void setPage(sim::SimPrinter& printer, const std::vector<std::uint8_t>& bytes) {
        for (std::size_t i = 0; i < bytes.size(); ++i)
            printer.setPageByte(0x2C, static_cast<int>(i) + 2, bytes[i]);
    }
    // Whether the controls of one side can be used.
    bool sideOpen(int side) {
        tabs::OptionPair& film = side == tabs::BottomSide ? tab.Opt8_3 : tab.Opt8_4;
        ui::ComboBox& temperature = side == tabs::BottomSide ? tab.Combo8_1 : tab.Combo8_2;
        const bool open = film[0].enabled();
        EXPECT_EQ(film[1].enabled(), open);
        EXPECT_EQ(tab.HScroll8[static_cast<std::size_t>(side)].enabled(), open);
        EXPECT_EQ(temperature.enabled(), open);
        return open;
    }
};

TEST(LaminatorTab, WithOnlyTheTopCassetteUpdateSendsTheTopAndLeavesTheBottomAsItWas) {
    LaminatorRig rig;
    auto& printer = rig.world.usb(0);
    //   byte:        2  3  4  5   6   7  8  9  10 11 12 13 14 15  16
    rig.setPage(printer, {0, 1, 0, 25, 30, 1, 3, 2, 0, 0, 0, 0, 0, 12, 4});
    rig.show();
    EXPECT_TRUE(rig.tab.Opt8_1[0].value());  // "Laminate"
    EXPECT_TRUE(rig.tab.Opt8_2[1].value());  // byte 9 = 2: "Disable", shown as read
    EXPECT_FALSE(rig.tab.Opt8_2[0].enabled() || rig.tab.Opt8_2[1].enabled());
    EXPECT_EQ(rig.label(Tab::kBottomCassette), "No Cassette");
    EXPECT_EQ(rig.label(Tab::kTopCassette), "Cassette is Detected");
    EXPECT_EQ(rig.label(Tab::kCleaningCounter), " 12");
    EXPECT_EQ(rig.label(Tab::kTotalCounter), " 640");
    EXPECT_TRUE(rig.sideOpen(tabs::TopSide));
    EXPECT_FALSE(rig.sideOpen(tabs::BottomSide));
    EXPECT_TRUE(rig.tab.Opt8_4[1].value());  // "Overlay"
    EXPECT_FALSE(rig.tab.Opt8_3[0].value() || rig.tab.Opt8_3[1].value());
    EXPECT_EQ(rig.label(Tab::kTopPosition), "-7");
    EXPECT_EQ(rig.label(Tab::kBottomPosition), "");
    EXPECT_EQ(rig.tab.Combo8_2.text(), "180deg.C");  // index 25 is past the end
    EXPECT_EQ(rig.tab.Combo8_1.listIndex(), -1);
    EXPECT_EQ(rig.tab.Combo8_3.listIndex(), -1);  // speed 30 is no speed: left alone
    EXPECT_EQ(rig.tab.Combo8_4.text(), "10sec");

    rig.tab.HScroll8[tabs::TopSide].setValue(14);
    EXPECT_EQ(rig.label(Tab::kTopPosition), " 7");
    rig.tab.Opt8_1[1].setValue(true);  // "Pass Through"
    rig.update();
    // Select byte 7 (cassettes) is never written; bytes 14 to 16 and the speed
    // go back as read; the temperature past the end comes back as the last.
    const Bytes expected = {0x2C, 22,   1, 1,  14, 18,   30,   0xFF, 3,    0,    0xFF, 0xFF,
                            0xFF, 0xFF, 0, 12, 4,  0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    EXPECT_EQ(rig.lastSelect(0x2C), expected);
    EXPECT_EQ(printer.pageByte(0x2C, 7), 1);
    EXPECT_EQ(printer.pageByte(0x2C, 14), 0);
    EXPECT_EQ(printer.pageByte(0x2C, 15), 12);
    EXPECT_EQ(printer.pageByte(0x2C, 16), 4);
    EXPECT_EQ(printer.pageByte(0x2C, 4), 14);
}

TEST(LaminatorTab, NetworkRoundTripSendsEverySettingItemButTheCassettes) {
    LaminatorRig rig;
    rig.useNetwork();
    auto& printer = rig.world.network(0);
    //   byte:        2  3  4  5  6  7  8  9  10 11 12 13 14 15 16
    rig.setPage(printer, {1, 0, 9, 3, 4, 3, 0, 1, 0, 0, 0, 0, 0, 2, 18});
    // The network read does not fetch the total: another printer's is not shown.
    rig.data.image.Counters.LaminatorTotal = 4321;
    rig.show();
    EXPECT_EQ(rig.label(Tab::kTotalCounter), "");
    EXPECT_TRUE(rig.sideOpen(tabs::BottomSide));
    EXPECT_TRUE(rig.sideOpen(tabs::TopSide));
    EXPECT_TRUE(rig.tab.Opt8_1[1].value());
    EXPECT_TRUE(rig.tab.Opt8_2[0].value());
    EXPECT_EQ(rig.label(Tab::kBottomPosition), "-5");
    EXPECT_EQ(rig.label(Tab::kTopPosition), " 2");
    EXPECT_EQ(rig.tab.Combo8_1.text(), "180deg.C");
    EXPECT_EQ(rig.tab.Combo8_2.text(), "105deg.C");
    EXPECT_EQ(rig.tab.Combo8_3.text(), " 5.0mm/s");
    EXPECT_EQ(rig.tab.Combo8_4.text(), " 0sec");

    rig.tab.Opt8_3[1].setValue(true);
    rig.tab.HScroll8[tabs::BottomSide].setValue(7);
    rig.tab.Combo8_1.setListIndex(0);
    rig.tab.Combo8_3.setListIndex(18);
    rig.tab.Combo8_4.setListIndex(6);
    rig.update();
    const Values expected = {{200, 1}, {201, 9}, {202, 3}, {203, 18}, {204, 0},
                             {205, 6}, {206, 7}, {207, 0}, {209, 1},  {210, 1}};
    EXPECT_EQ(rig.writtenValues(), expected);
    EXPECT_EQ(printer.pageByte(0x2C, 14), 1);
    EXPECT_EQ(printer.pageByte(0x2C, 6), 18);
}

TEST(LaminatorTab, TheCassetteStateDecidesWhichSidesCanBeChanged) {
    struct Case {
        int cassette;
        bool bottom, top;
        const char *bottomLabel, *topLabel;
    };
    const Case cases[] = {
        {0, false, false, "No Cassette", "No Cassette"},
        {1, false, true, "No Cassette", "Cassette is Detected"},
        {2, true, false, "Cassette is Detected", "No Cassette"},
        {3, true, true, "Cassette is Detected", "Cassette is Detected"},
    };
    LaminatorRig rig;
    rig.tab.setup();
    for (const Case& c : cases) {
        rig.world.usb(0).setPageByte(0x2C, 7, static_cast<std::uint8_t>(c.cassette));
        rig.refill();
        EXPECT_EQ(rig.sideOpen(tabs::BottomSide), c.bottom) << c.cassette;
        EXPECT_EQ(rig.sideOpen(tabs::TopSide), c.top) << c.cassette;
        EXPECT_EQ(rig.label(Tab::kBottomCassette), c.bottomLabel) << c.cassette;
        EXPECT_EQ(rig.label(Tab::kTopCassette), c.topLabel) << c.cassette;
        const bool common = c.cassette != 0;
        EXPECT_EQ(rig.tab.Combo8_3.enabled(), common) << c.cassette;
        EXPECT_EQ(rig.tab.Combo8_4.listIndex() >= 0, common) << c.cassette;
        EXPECT_TRUE(rig.tab.Opt8_1[0].enabled());
    }

    // A state the tab does not know leaves both sides as the last fill left
    // them, and empties speed and cooling time.
    rig.world.usb(0).setPageByte(0x2C, 15, 0);
    rig.world.usb(0).setPageByte(0x2C, 7, 9);
    rig.refill();
    EXPECT_TRUE(rig.sideOpen(tabs::BottomSide));
    EXPECT_TRUE(rig.sideOpen(tabs::TopSide));
    EXPECT_EQ(rig.label(Tab::kBottomPosition), " 0");  // still the default byte 15 = 7
    EXPECT_EQ(rig.label(Tab::kTopCassette), "Cassette is Detected");
    EXPECT_EQ(rig.tab.Combo8_3.listIndex(), -1);
    EXPECT_FALSE(rig.tab.Combo8_4.enabled());
}

TEST(LaminatorTab, ValueListsAndTheTemperatureRule) {
    LaminatorRig rig;
    rig.tab.setup();
    const std::vector<std::string> temperatures = {
        " 90deg.C", " 95deg.C", "100deg.C", "105deg.C", "110deg.C", "115deg.C", "120deg.C",
        "125deg.C", "130deg.C", "135deg.C", "140deg.C", "145deg.C", "150deg.C", "155deg.C",
        "160deg.C", "165deg.C", "170deg.C", "175deg.C", "180deg.C"};
    const std::vector<std::string> speeds = {
        " 3.0mm/s", " 3.5mm/s", " 4.0mm/s", " 4.5mm/s", " 5.0mm/s", " 5.5mm/s", " 6.0mm/s",
        " 6.5mm/s", " 7.0mm/s", " 7.5mm/s", " 8.0mm/s", " 8.5mm/s", " 9.0mm/s", " 9.5mm/s",
        "10.0mm/s", "10.5mm/s", "11.0mm/s", "11.5mm/s", "12.0mm/s"};
    const std::vector<std::string> cooling = {" 0sec", " 5sec", " 7sec", "10sec",
                                              "15sec", "20sec", "30sec"};
    EXPECT_EQ(rig.tab.Combo8_1.items(), temperatures);
    EXPECT_EQ(rig.tab.Combo8_2.items(), temperatures);
    EXPECT_EQ(rig.tab.Combo8_3.items(), speeds);
    EXPECT_EQ(rig.tab.Combo8_4.items(), cooling);
    rig.tab.setup();
    EXPECT_EQ(rig.tab.Combo8_4.count(), 7);  // filled afresh, not twice

    // In the list: shown; at or past its end: the hottest, written back as 18.
    const std::pair<int, const char*> cases[] = {
        {0, " 90deg.C"}, {17, "175deg.C"}, {18, "180deg.C"}, {19, "180deg.C"}, {255, "180deg.C"}};
    for (const auto& [index, text] : cases) {
        rig.world.usb(0).setPageByte(0x2C, 16, static_cast<std::uint8_t>(index));
        rig.refill();
        EXPECT_EQ(rig.tab.Combo8_1.text(), text) << index;
        EXPECT_TRUE(rig.tab.Combo8_1.enabled()) << index;
    }
    rig.update();
    EXPECT_EQ(rig.lastSelect(0x2C)[16], 18);
}

TEST(LaminatorTab, APositionTheBarCannotShowIsSentBackAsItWas) {
    LaminatorRig rig;
    rig.world.usb(0).setPageByte(0x2C, 15, 200);
    rig.show();
    EXPECT_FALSE(rig.tab.HScroll8[tabs::BottomSide].enabled());
    EXPECT_EQ(rig.label(Tab::kBottomPosition), "");
    EXPECT_TRUE(rig.tab.Opt8_3[0].enabled());  // the rest of the side is usable
    rig.update();
    EXPECT_EQ(rig.lastSelect(0x2C)[15], 200);
    EXPECT_EQ(rig.lastSelect(0x2C)[4], 7);
}

TEST(LaminatorTab, WithoutALaminatorEverythingIsEmptyAndUpdateOnlyAnswersWithoutAPrinter) {
    LaminatorRig rig;
    rig.show();
    rig.world.usb(0).setOption(47, 0);
    rig.refill();
    auto expectEmpty = [&](const char* when) {
        for (auto* pair : {&rig.tab.Opt8_1, &rig.tab.Opt8_2, &rig.tab.Opt8_3, &rig.tab.Opt8_4})
            for (auto& option : *pair) {
                EXPECT_FALSE(option.value()) << when << option.name();
                EXPECT_FALSE(option.enabled()) << when << option.name();
            }
        for (auto& label : rig.tab.Label8) {
            if (label) {
                EXPECT_EQ(label->caption(), "") << when << label->name();
            }
        }
        for (auto& bar : rig.tab.HScroll8) EXPECT_FALSE(bar.enabled()) << when;
        for (auto* list :
             {&rig.tab.Combo8_1, &rig.tab.Combo8_2, &rig.tab.Combo8_3, &rig.tab.Combo8_4}) {
            EXPECT_EQ(list->listIndex(), -1) << when << list->name();
            EXPECT_FALSE(list->enabled()) << when << list->name();
        }
    };
    expectEmpty("no laminator: ");
    EXPECT_FALSE(rig.tab.Cmd8[tabs::kUpdateButton].enabled());
    EXPECT_TRUE(rig.tab.Cmd8[tabs::kRefreshButton].enabled());

    rig.state.printerCount = 0;
    rig.tab.fill();
    expectEmpty("no printer: ");
    EXPECT_TRUE(rig.tab.Cmd8[tabs::kUpdateButton].enabled());
    rig.tab.Cmd8[tabs::kUpdateButton].click();
    EXPECT_EQ(rig.boxes.shown().back().text, "Printer is not found.");

    rig.administrator = false;
    rig.tab.setup();
    rig.tab.fill();
    EXPECT_FALSE(rig.tab.Cmd8[tabs::kUpdateButton].enabled());
    rig.granted[8] = true;
    rig.tab.fill();
    EXPECT_TRUE(rig.tab.Cmd8[tabs::kUpdateButton].enabled());
}

}  // namespace
}  // namespace orvan::testing
