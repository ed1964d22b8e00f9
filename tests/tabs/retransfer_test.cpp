// The "Retransfer" tab: the grids as the page bytes place their selections,
// the shared row, the hint colours, and the bytes "Update" sends back.
#include <gtest/gtest.h>

#include "grid_tab_rig.h"
#include "tabs/retransfer_tab.h"

namespace orvan::testing {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Cells = std::vector<int>;
using Values = std::vector<std::pair<std::int64_t, std::uint8_t>>;
using Asked = std::vector<std::int64_t>;

struct RetransferRig : GridTabRig<tabs::RetransferTab> {
    explicit RetransferRig(bool withGuidance = true) : GridTabRig(withGuidance) {}
    tabs::RetransferTab& t() { return *tab; }
    void update() { clickUpdate(tab->Cmd2[tabs::kUpdateButton]); }
    Cells front() { return marked(tab->Label2_3); }
    Cells back() { return marked(tab->Label2_4); }
};

// Legend colours (0xBBGGRR).
constexpr ui::Colour kStandard = 0x00FF00, kRecommended = 0xFFFF00, kDefects = 0xFF8080,
                     kProhibited = 0x0000FF;

TEST(RetransferTab, PageBytesPlaceBothSelectionsAndUpdateWritesTheClickedCells) {
    RetransferRig rig;
    auto& printer = rig.world.usb(0);
    printer.setPageByte(0x28, 35, 5);  // back side slowest; temperature and front speed 2
    rig.show();
    EXPECT_EQ(rig.front(), Cells{15});  // third row from the bottom, column "0"
    EXPECT_EQ(rig.back(), Cells{12});   // same row, column "-3"
    EXPECT_EQ(rig.t().Label2_5.caption(), "PVC");
    EXPECT_TRUE(rig.t().HScroll2[0].enabled());
    EXPECT_EQ(rig.t().HScroll2[0].value(), 2);
    // The PVC map of the stand-in guidance: its standard cell, the
    // prohibited corners, a recommended cell between.
    EXPECT_EQ(rig.t().Label2_3[15].backColour(), kStandard);
    EXPECT_EQ(rig.t().Label2_3[5].backColour(), kProhibited);   // coldest and fastest
    EXPECT_EQ(rig.t().Label2_4[24].backColour(), kProhibited);  // hottest and slowest
    EXPECT_EQ(rig.t().Label2_3[16].backColour(), kRecommended);
    EXPECT_EQ(rig.lastAsked(), (Asked{0, 2, 2, 5, 0, 0}));

    // A front click takes the back selection into its row, keeping its
    // column; a back click does the same to the front.
    rig.t().Label2_3[3].click();
    EXPECT_EQ(rig.front(), Cells{3});
    EXPECT_EQ(rig.back(), Cells{0});
    EXPECT_EQ(rig.lastAsked(), (Asked{0, 0, 2, 5, 0, 0}));
    rig.t().Label2_4[29].click();  // top row, leftmost
    EXPECT_EQ(rig.back(), Cells{29});
    EXPECT_EQ(rig.front(), Cells{27});
    EXPECT_EQ(rig.lastAsked(), (Asked{0, 4, 2, 0, 0, 0}));
    EXPECT_EQ(rig.t().Label2_3[27].caption(), "*");

    rig.t().HScroll2[0].setValue(5);
    rig.update();
    // Select bytes 4, 5, 6 (temperature, front, back speed) and 28, 29 (UV).
    const Bytes condition = {0x28, 30, 0xFF, 0xFF, 4,    2, 0, 2, 1, 0xFF, 0xFF, 0, 0, 3, 0, 3,
                             3,    0,  1,    0,    0xFF, 0, 2, 3, 3, 0xFF, 0,    0, 5, 2, 0, 0xFF};
    EXPECT_EQ(rig.lastSelect(0x28), condition);

    // "Refresh" shows the same cells again.
    rig.t().Label2_3[0].click();
    rig.boxes.answerNext(ui::Answer::Ok);
    rig.t().Cmd2[tabs::kRefreshButton].click();
    EXPECT_EQ(rig.front(), Cells{27});
    EXPECT_EQ(rig.back(), Cells{29});
    EXPECT_EQ(rig.t().HScroll2[0].value(), 5);
}

TEST(RetransferTab, OutOfRangeBytesAreShownClampedAndWrittenBackClamped) {
    RetransferRig rig;
    auto& printer = rig.world.usb(0);
    printer.setPageByte(0x28, 33, 7);  // past the top row
    printer.setPageByte(0x28, 34, 9);  // past the slowest speed
    printer.setPageByte(0x28, 35, 6);
    printer.setPageByte(0x28, 56, 255);  // no front UV speed
    printer.setPageByte(0x28, 57, 9);    // a UV speed no bar can show
    rig.show();
    EXPECT_EQ(rig.front(), Cells{29});  // top row, fastest
    EXPECT_EQ(rig.back(), Cells{29});
    EXPECT_FALSE(rig.t().HScroll2[0].enabled());
    EXPECT_FALSE(rig.t().HScroll2[1].enabled());
    rig.update();
    const Bytes sent = rig.lastSelect(0x28);
    ASSERT_EQ(sent.size(), 32u);
    EXPECT_EQ((Bytes{sent[4], sent[5], sent[6]}), (Bytes{4, 0, 0}));
    EXPECT_EQ(sent[28], 255) << "not offered: the printer keeps its own";
    EXPECT_EQ(sent[29], 9) << "never replaced by a value the bar made up";
}

TEST(RetransferTab, NetworkUpdateSendsTheFiveItemsLeavingOutSpeedsNotOffered) {
    RetransferRig rig;
    rig.useNetwork();
    rig.world.network(0).setPageByte(0x28, 57, 255);
    rig.show();
    rig.t().Label2_4[8].click();  // row 1: front 15 moves to 9, back speed 3
    rig.t().HScroll2[0].setValue(0);
    rig.update();
    EXPECT_EQ(rig.writtenValues(), (Values{{76, 1}, {77, 2}, {78, 3}, {93, 0}}));
    EXPECT_EQ(rig.world.network(0).pageByte(0x28, 33), 1);
}

TEST(RetransferTab, WithoutAPrinterTheGridsAreRedAndNothingIsWrittenFromThem) {
    RetransferRig rig;
    rig.show();
    rig.t().Label2_3[0].click();  // chosen but never written
    rig.state.printerCount = 0;
    rig.tab->fill();
    EXPECT_TRUE(rig.allRed(rig.t().Label2_3));
    EXPECT_TRUE(rig.allRed(rig.t().Label2_4));
    EXPECT_EQ(rig.front(), Cells{});
    EXPECT_EQ(rig.back(), Cells{});
    EXPECT_EQ(rig.t().Label2_5.caption(), "");
    EXPECT_FALSE(rig.t().HScroll2[0].enabled() || rig.t().HScroll2[1].enabled());
    const int asked = rig.world.countCalls("GetHueAdvisorID");
    rig.t().Label2_3[7].click();
    EXPECT_EQ(rig.front(), Cells{});
    EXPECT_EQ(rig.world.countCalls("GetHueAdvisorID"), asked);

    rig.t().Cmd2[tabs::kUpdateButton].click();
    EXPECT_EQ(rig.boxes.shown().back().text, "Printer is not found.");
    // The printer is back before the tab was shown again: what the grids
    // show is no choice, so its bytes go back as the printer gave them.
    rig.useUsb();
    rig.update();
    const Bytes sent = rig.lastSelect(0x28);
    ASSERT_EQ(sent.size(), 32u);
    EXPECT_EQ((Bytes{sent[4], sent[5], sent[6]}), (Bytes{2, 2, 2}));
}

TEST(RetransferTab, CardTypeLabelAndTheGuidanceFollowTheConfiguredType) {
    RetransferRig rig;
    rig.cardType = 2;
    rig.show();
    EXPECT_EQ(rig.t().Label2_5.caption(), "HR-PET-G");
    EXPECT_EQ(rig.lastAsked()[0], 2);
    EXPECT_EQ(rig.t().Label2_3[15].backColour(), kDefects) << "too little force for HR-PET-G";
    EXPECT_EQ(rig.t().Label2_3[20].backColour(), kStandard);
    rig.cardType = 5;
    rig.refill();
    EXPECT_EQ(rig.t().Label2_5.caption(), "");
    EXPECT_EQ(rig.lastAsked()[0], 0);
    EXPECT_EQ(rig.t().Label2_3[15].backColour(), kStandard);
}

TEST(RetransferTab, WithoutTheGuidanceLibraryEveryCellIsBlackAndNoMessageShows) {
    RetransferRig rig(false);
    rig.show();
    for (int i = 0; i < tabs::kGridCells; ++i) {
        EXPECT_EQ(rig.t().Label2_3[static_cast<std::size_t>(i)].backColour(), ui::kBlack) << i;
        EXPECT_EQ(rig.t().Label2_4[static_cast<std::size_t>(i)].backColour(), ui::kBlack) << i;
    }
    EXPECT_EQ(rig.front(), Cells{15});
    EXPECT_TRUE(rig.boxes.shown().empty());
}

TEST(RetransferTab, UpdateIsForThoseAllowedAndStartsRed) {
    RetransferRig rig;
    rig.administrator = false;
    rig.granted[3] = true;  // Bend Remedy's right is not ours
    rig.tab->setup();
    EXPECT_FALSE(rig.t().Cmd2[tabs::kUpdateButton].enabled());
    EXPECT_TRUE(rig.t().Cmd2[tabs::kRefreshButton].enabled());
    EXPECT_TRUE(rig.allRed(rig.t().Label2_3));
    rig.granted[2] = true;
    rig.tab->setup();
    EXPECT_TRUE(rig.t().Cmd2[tabs::kUpdateButton].enabled());
}

}  // namespace
}  // namespace orvan::testing
