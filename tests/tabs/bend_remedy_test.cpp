// The "Bend Remedy" tab: the cell or "Disable" the page bytes choose, the
// bytes "Update" sends back, and a tab that offers nothing without the unit.
#include <gtest/gtest.h>

#include "grid_tab_rig.h"
#include "tabs/bend_remedy_tab.h"

namespace orvan::testing {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Cells = std::vector<int>;
using Values = std::vector<std::pair<std::int64_t, std::uint8_t>>;

struct BendRig : GridTabRig<tabs::BendRemedyTab> {
    BendRig() : GridTabRig() {}
    tabs::BendRemedyTab& t() { return *tab; }
    void update() { clickUpdate(tab->Cmd3[tabs::kUpdateButton]); }
    Cells cells() { return marked(tab->Label3_1); }
    // Select bytes 7 and 8: temperature and speed.
    Bytes remedyBytes() {
        const Bytes sent = lastSelect(0x28);
        return sent.size() == 32 ? Bytes{sent[7], sent[8]} : Bytes{};
    }
};

TEST(BendRemedyTab, PageBytesChooseACellAndUpdateWritesTheClickedOne) {
    BendRig rig;
    rig.world.usb(0).setPageByte(0x28, 37, 3);  // temperature 2 (default), speed 3
    rig.show();
    EXPECT_EQ(rig.cells(), Cells{13});  // third row from the bottom, column "+1"
    EXPECT_FALSE(rig.t().Opt3_1.value());
    EXPECT_TRUE(rig.t().Opt3_1.enabled());
    EXPECT_EQ(rig.t().Label3_2.caption(), "PVC");
    EXPECT_EQ(rig.lastAsked(), (std::vector<std::int64_t>{0, 0, 5, 5, 2, 3}));
    // Cells of similar remedy force share a colour: the force grows with the
    // row and toward the right (slower).
    const auto colour = [&](int cell) { return rig.t().Label3_1[cell].backColour(); };
    EXPECT_EQ(colour(4), 0xFFC080u);   // bottom left: weakest
    EXPECT_EQ(colour(25), 0x8080FFu);  // top right: strongest
    EXPECT_EQ(colour(13), colour(7));  // force 3 at another speed
    EXPECT_EQ(colour(13), colour(2));  // force 2: the same band
    EXPECT_NE(colour(13), colour(18));

    rig.t().Label3_1[29].click();  // top row, leftmost
    EXPECT_EQ(rig.cells(), Cells{29});
    EXPECT_EQ(rig.lastAsked()[4], 5);
    rig.update();
    EXPECT_EQ(rig.remedyBytes(), (Bytes{5, 4}));
    EXPECT_EQ(rig.world.usb(0).pageByte(0x28, 36), 5);
}

TEST(BendRemedyTab, DisableWritesTenAndFourWhateverTheSpeed) {
    BendRig rig;
    rig.world.usb(0).setPageByte(0x28, 37, 3);
    rig.show();
    rig.t().Opt3_1.setValue(true);  // a click on "Disable"
    EXPECT_EQ(rig.cells(), Cells{});
    EXPECT_EQ(rig.data.image.BendCell, tabs::kBendDisabled);
    EXPECT_EQ(rig.lastAsked(), (std::vector<std::int64_t>{0, 0, 5, 5, 10, 3}));
    rig.update();
    EXPECT_EQ(rig.remedyBytes(), (Bytes{10, 4}));

    // A cell click takes "Disable" away again.
    rig.t().Label3_1[0].click();
    EXPECT_FALSE(rig.t().Opt3_1.value());
    EXPECT_EQ(rig.cells(), Cells{0});
    rig.update();
    EXPECT_EQ(rig.remedyBytes(), (Bytes{0, 0}));
}

TEST(BendRemedyTab, OutOfRangeBytesAreClampedAndWrittenBackClamped) {
    BendRig rig;
    auto& printer = rig.world.usb(0);
    printer.setPageByte(0x28, 36, 7);  // no row: the remedy is off
    printer.setPageByte(0x28, 37, 9);
    rig.show();
    EXPECT_TRUE(rig.t().Opt3_1.value());
    EXPECT_EQ(rig.cells(), Cells{});
    rig.update();
    EXPECT_EQ(rig.remedyBytes(), (Bytes{10, 4}));

    printer.setPageByte(0x28, 36, 1);
    printer.setPageByte(0x28, 37, 9);  // the leftmost column, "+2"
    rig.refill();
    EXPECT_EQ(rig.cells(), Cells{9});
    EXPECT_FALSE(rig.t().Opt3_1.value());
    rig.update();
    EXPECT_EQ(rig.remedyBytes(), (Bytes{1, 4}));
}

TEST(BendRemedyTab, WithoutTheUnitTheTabOffersNothingAndWritesNothingOfItsOwn) {
    BendRig rig;
    rig.show();
    rig.t().Label3_1[20].click();  // chosen on a printer with the unit, never written
    rig.world.usb(0).setOption(45, 0);
    rig.refill();
    EXPECT_TRUE(rig.allRed(rig.t().Label3_1));
    EXPECT_EQ(rig.cells(), Cells{});
    EXPECT_TRUE(rig.t().Opt3_1.value());
    EXPECT_FALSE(rig.t().Opt3_1.enabled());
    EXPECT_EQ(rig.t().Label3_2.caption(), "");

    const int asked = rig.world.countCalls("GetHueAdvisorID");
    rig.t().Label3_1[3].click();
    EXPECT_EQ(rig.cells(), Cells{});
    EXPECT_TRUE(rig.t().Opt3_1.value());
    EXPECT_EQ(rig.world.countCalls("GetHueAdvisorID"), asked);
    rig.update();
    EXPECT_EQ(rig.remedyBytes(), (Bytes{2, 1})) << "the printer's own bytes";

    // No printer at all looks the same.
    rig.world.usb(0).setOption(45, 1);
    rig.refill();
    ASSERT_EQ(rig.cells(), Cells{11});
    rig.state.printerCount = 0;
    rig.tab->fill();
    EXPECT_TRUE(rig.allRed(rig.t().Label3_1));
    EXPECT_TRUE(rig.t().Opt3_1.value());
    EXPECT_FALSE(rig.t().Opt3_1.enabled());
}

TEST(BendRemedyTab, NetworkUpdateSendsBothItems) {
    BendRig rig;
    rig.useNetwork();
    rig.show();
    rig.t().Label3_1[17].click();  // row 3, speed 2
    rig.update();
    EXPECT_EQ(rig.writtenValues(), (Values{{79, 3}, {80, 2}}));
}

TEST(BendRemedyTab, StartsWithNothingChosenAndUpdateIsForThoseAllowed) {
    BendRig rig;
    rig.administrator = false;
    rig.granted[2] = true;  // Retransfer's right is not ours
    rig.tab->setup();
    EXPECT_TRUE(rig.allRed(rig.t().Label3_1));
    EXPECT_FALSE(rig.t().Opt3_1.value());
    EXPECT_FALSE(rig.t().Cmd3[tabs::kUpdateButton].enabled());
    EXPECT_TRUE(rig.t().Cmd3[tabs::kRefreshButton].enabled());
    rig.granted[3] = true;
    rig.tab->setup();
    EXPECT_TRUE(rig.t().Cmd3[tabs::kUpdateButton].enabled());
}

}  // namespace
}  // namespace orvan::testing
