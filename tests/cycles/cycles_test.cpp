// Which pages move for which tab, the retry flag around a read-all, and the
// busy wait in front of every write.
#include <gtest/gtest.h>

#include "cycle_rig.h"

namespace orvan::testing {
namespace {

using Reads = std::vector<std::string>;

TEST(ReadAll, EachTabReadsItsPagesInOrderOverUsb) {
    const std::vector<std::pair<int, Reads>> plans = {
        {0, {"LogSense:56", "ModeSense:35", "ModeSense:40", "ReadBuffer:96"}},
        {1, {"ModeSense:40", "ModeSense:42"}},
        {4, {"ModeSense:35", "ModeSense:40"}},
        {5, {"LogSense:56", "ModeSense:40"}},
        {6, {"LogSense:58", "ModeSense:44"}},
        {7, {"ModeSense:45", "ReadBuffer:112", "ReadBuffer:160"}},
        {9, {}},
    };
    for (const auto& [tab, expected] : plans) {
        CycleRig rig;
        EXPECT_EQ(rig.cycles.readAll(tab), 0) << "tab " << tab;
        EXPECT_EQ(rig.usbReads(), expected) << "tab " << tab;
    }
}

TEST(ReadAll, TheStatusTabKeepsTheRetryFlagItFindsAndEveryUsbReadAllClearsIt) {
    CycleRig quiet;
    quiet.world.scriptResult("KQCMD_ModeSense", 1, 1);  // transient on the 0x23 read
    quiet.cycles.readAll(0);
    EXPECT_EQ(quiet.world.countCalls("KQCMD_ModeSense"), 2);  // no retry: 0x23 once, 0x28 once
    EXPECT_EQ(quiet.loop.now(), 0);
    EXPECT_FALSE(quiet.state.retryWhenBusy);

    CycleRig asked;
    asked.state.retryWhenBusy = true;
    asked.world.scriptResult("KQCMD_ModeSense", 1, 1);
    asked.cycles.readAll(0);
    EXPECT_EQ(asked.world.countCalls("KQCMD_ModeSense"), 3);  // 0x23 retried after a pause
    EXPECT_EQ(asked.loop.now(), 1000);
    EXPECT_FALSE(asked.state.retryWhenBusy);
}

TEST(ReadAll, SettingTabsSetTheRetryFlagFirstAndClearItAtTheEnd) {
    CycleRig rig;
    rig.world.scriptResult("KQCMD_ModeSense", 1, 2);
    rig.cycles.readAll(1);
    EXPECT_EQ(rig.targets("KQCMD_ModeSense", 3), (std::vector<std::int64_t>{40, 40, 40, 42}));
    EXPECT_EQ(rig.loop.now(), 2000);
    EXPECT_FALSE(rig.state.retryWhenBusy);
}

TEST(ReadAll, ANetworkReadAllLeavesTheRetryFlagAlone) {
    CycleRig rig;
    rig.useNetwork();
    rig.state.retryWhenBusy = true;
    EXPECT_EQ(rig.cycles.readAll(1), 0);
    EXPECT_TRUE(rig.state.retryWhenBusy);
    EXPECT_EQ(rig.world.countCalls("P_FlushSettingReq"), 1);
    EXPECT_EQ(rig.world.countCalls("P_FlushPropertyReq"), 1);
    EXPECT_EQ(rig.world.countCalls("KQCMD_ModeSense"), 0);
}

TEST(ReadAll, TheCardMaterialIsReloadedForTheGridAndMediaTabsOnly) {
    for (int tab : {2, 3, 4}) {
        CycleRig rig;
        rig.cycles.readAll(tab);
        EXPECT_EQ(rig.data.image.CardMaterial, 3) << tab;
    }
    CycleRig other;
    other.cycles.readAll(1);
    EXPECT_EQ(other.data.image.CardMaterial, 0);
}

TEST(ReadAll, NothingHappensWithoutAPrinter) {
    CycleRig rig;
    rig.state.printerCount = 0;
    EXPECT_EQ(rig.cycles.readAll(1), 0);
    EXPECT_EQ(rig.cycles.identityRefresh(), 0);
    EXPECT_EQ(rig.cycles.applyAll(1), 0);
    EXPECT_TRUE(rig.world.calls().empty());
    EXPECT_EQ(rig.busyWaits, 0);
}

TEST(ApplyAll, PrinterSettingSendsBothPagesAndReportsTheFirstFailure) {
    CycleRig rig;
    rig.cycles.readAll(1);
    rig.world.clearCalls();
    rig.world.scriptResult("KQCMD_ModeSelect", -0x0102D000, 1);
    EXPECT_EQ(rig.cycles.applyAll(1), -0x0102D000);
    EXPECT_EQ(rig.targets("KQCMD_ModeSelect", 3), (std::vector<std::int64_t>{40, 42}));

    rig.world.clearCalls();
    rig.world.scriptResult("KQCMD_ModeSelect", 0, 1);
    rig.world.scriptResult("KQCMD_ModeSelect", -0x0103B000, 1);
    EXPECT_EQ(rig.cycles.applyAll(1), -0x0103B000);
}

TEST(ApplyAll, TabsWithoutWritablePagesWriteNothing) {
    for (int tab : {0, 5, 8, 9}) {
        CycleRig rig;
        EXPECT_EQ(rig.cycles.applyAll(tab), 0);
        EXPECT_EQ(rig.world.countCalls("KQCMD_ModeSelect"), 0) << tab;
    }
}

TEST(ApplyAll, ACancelledBusyWaitWritesNothingAndReportsNothing) {
    CycleRig rig;
    rig.printerFreed = false;
    EXPECT_EQ(rig.cycles.applyAll(1), 0);
    EXPECT_EQ(rig.busyWaits, 1);
    EXPECT_EQ(rig.world.countCalls("KQCMD_ModeSelect"), 0);

    rig.useNetwork();
    EXPECT_EQ(rig.cycles.applyAll(1), 0);
    EXPECT_EQ(rig.world.countCalls("P_FlushSettingValue"), 0);
}

TEST(RoundTrip, AChangedPrintLevelReachesThePrinterAndNothingElseMoves) {
    CycleRig rig;
    rig.cycles.readAll(1);
    const std::vector<std::uint8_t> before(rig.world.usb(0).page(0x28).begin(),
                                           rig.world.usb(0).page(0x28).end());
    rig.data.image.PrintCondition.Byte41 = static_cast<std::int16_t>(before[41] == 7 ? 8 : 7);
    ASSERT_EQ(rig.cycles.applyAll(1), 0);
    const auto after = rig.world.usb(0).page(0x28);
    ASSERT_EQ(after.size(), before.size());
    for (std::size_t i = 0; i < after.size(); ++i) {
        if (i == 41)
            EXPECT_EQ(after[i], rig.data.image.PrintCondition.Byte41);
        else
            EXPECT_EQ(after[i], before[i]) << "page byte " << i;
    }
}

TEST(RoundTrip, ANetworkWriteCarriesTheSameFieldToTheSamePrinterByte) {
    CycleRig rig;
    rig.useNetwork();
    ASSERT_EQ(rig.cycles.readAll(1), 0);
    rig.data.image.PrintCondition.Byte50 = 9;
    ASSERT_EQ(rig.cycles.applyAll(1), 0);
    EXPECT_EQ(rig.world.network(0).pageByte(0x28, 50), 9);
}

TEST(IdentityRefresh, UsbSetsTheRetryFlagAndNetworkAsksForProperties) {
    CycleRig rig;
    rig.world.usb(0).setInquiryText(32, "V9.99");
    EXPECT_EQ(rig.cycles.identityRefresh(), 0);
    EXPECT_TRUE(rig.state.retryWhenBusy);
    EXPECT_EQ(rig.data.identity.PrinterVersion, "V9.99");

    CycleRig net;
    net.useNetwork();
    EXPECT_EQ(net.cycles.identityRefresh(), 0);
    EXPECT_FALSE(net.state.retryWhenBusy);
    EXPECT_EQ(net.world.countCalls("P_FlushPropertyReq"), 1);
}

}  // namespace
}  // namespace orvan::testing
