// The "Property" tab: versions, fitted units and counters as the last
// refresh read them, and nothing at all without a printer.
#include <gtest/gtest.h>

#include "tab_rig.h"
#include "tabs/property_tab.h"

namespace orvan::testing {
namespace {

struct PropertyRig : TabRig {
    tabs::PropertyTab tab{context()};
    PropertyRig() : TabRig(tabs::PropertyTab::kLinkPlan) {}
    std::string label(int i) { return tab.label5(i).caption(); }
};

TEST(PropertyTab, ShowsVersionsUnitsAndCountersOfTheLastRefresh) {
    PropertyRig rig;
    auto& printer = rig.world.usb(0);
    printer.setOption(40, 2);  // JIS encoder
    printer.setOption(43, 5);  // any non-zero: fitted
    printer.setOption(44, 0);
    printer.setOption(47, 2);
    rig.readTab();
    printer.setCounter(sim::Counter::Print, 99);  // after the refresh: not shown
    rig.tab.fill();

    const std::pair<int, const char*> expected[] = {
        {2, " 1.02.003"}, {3, " C2.00"},     {4, " T3.05"},     {5, " L1.10"},  // versions
        {6, "JIS"},       {7, "ISO"},        {9, "Installed"},  {8, "Installed"},
        {10, "None"},     {11, "Installed"}, {30, "Installed"}, {31, "Installed"},  // units
        {32, " 1234"},    {34, " 120"},      {36, " 7"},        {12, " 15230"},
        {13, " 8800"},  // counters
    };
    for (const auto& [index, text] : expected) EXPECT_EQ(rig.label(index), text) << index;
}

TEST(PropertyTab, UnknownKindBytesKeepWhatTheLabelSaid) {
    PropertyRig rig;
    rig.readTab();
    rig.tab.fill();
    ASSERT_EQ(rig.label(6), "ISO");
    ASSERT_EQ(rig.label(31), "Installed");
    rig.world.usb(0).setOption(40, 3);
    rig.world.usb(0).setOption(41, 0);
    rig.world.usb(0).setOption(47, 3);
    rig.readTab();
    rig.tab.fill();
    EXPECT_EQ(rig.label(6), "ISO");
    EXPECT_EQ(rig.label(7), "None");
    EXPECT_EQ(rig.label(31), "Installed");
}

TEST(PropertyTab, WithoutAPrinterEveryValueIsEmpty) {
    PropertyRig rig;
    rig.readTab();
    rig.tab.fill();
    rig.state.printerCount = 0;
    rig.tab.fill();
    for (auto& label : rig.tab.Label5) {
        if (!label) continue;
        EXPECT_EQ(label->caption(), "") << label->name();
    }
    EXPECT_EQ(rig.tab.controls().size(), 17u);
}

}  // namespace
}  // namespace orvan::testing
