// Which pages move for which tab, the retry flag around a read-all, and the
// busy wait in front of every write.
#include <gtest/gtest.h>

#include "cycle_rig.h"
#include "maintenance/others_tab.h"
#include "network/printer_select_tab.h"
#include "status/status_tab.h"
#include "tabs/bend_remedy_tab.h"
#include "tabs/laminator_tab.h"
#include "tabs/media_setting_tab.h"
#include "tabs/printer_setting_tab.h"
#include "tabs/property_tab.h"
#include "tabs/retransfer_tab.h"
#include "tabs/security_lock_tab.h"

namespace orvan::testing {
namespace {

// The tabs' plans by position on the window.
const link::LinkPlan& planOf(int tab) {
    static const link::LinkPlan* const kPlans[] = {
        &status::StatusTab::kLinkPlan,     &tabs::PrinterSettingTab::kLinkPlan,
        &tabs::RetransferTab::kLinkPlan,   &tabs::BendRemedyTab::kLinkPlan,
        &tabs::MediaSettingTab::kLinkPlan, &tabs::PropertyTab::kLinkPlan,
        &tabs::LaminatorTab::kLinkPlan,    &network::PrinterSelectTab::kLinkPlan,
        &tabs::SecurityLockTab::kLinkPlan, &maintenance::OthersTab::kLinkPlan};
    return *kPlans[tab];
}

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
        EXPECT_EQ(rig.cycles.readAll(planOf(tab)), 0) << "tab " << tab;
        EXPECT_EQ(rig.usbReads(), expected) << "tab " << tab;
    }
}

TEST(ReadAll, TheStatusTabKeepsTheRetryFlagItFindsAndEveryUsbReadAllClearsIt) {
    CycleRig quiet;
    quiet.world.scriptResult("KQCMD_ModeSense", 1, 1);  // transient on the 0x23 read
    quiet.cycles.readAll(planOf(0));
    EXPECT_EQ(quiet.world.countCalls("KQCMD_ModeSense"), 2);  // no retry: 0x23 once, 0x28 once
    EXPECT_EQ(quiet.loop.now(), 0);
    EXPECT_FALSE(quiet.state.retryWhenBusy);

    CycleRig asked;
    asked.state.retryWhenBusy = true;
    asked.world.scriptResult("KQCMD_ModeSense", 1, 1);
    asked.cycles.readAll(planOf(0));
    EXPECT_EQ(asked.world.countCalls("KQCMD_ModeSense"), 3);  // 0x23 retried after a pause
    EXPECT_EQ(asked.loop.now(), 1000);
    EXPECT_FALSE(asked.state.retryWhenBusy);
}

TEST(ReadAll, SettingTabsSetTheRetryFlagFirstAndClearItAtTheEnd) {
    CycleRig rig;
    rig.world.scriptResult("KQCMD_ModeSense", 1, 2);
    rig.cycles.readAll(planOf(1));
    EXPECT_EQ(rig.targets("KQCMD_ModeSense", 3), (std::vector<std::int64_t>{40, 40, 40, 42}));
    EXPECT_EQ(rig.loop.now(), 2000);
    EXPECT_FALSE(rig.state.retryWhenBusy);
}

TEST(ReadAll, ANetworkReadAllLeavesTheRetryFlagAlone) {
    CycleRig rig;
    rig.useNetwork();
    rig.state.retryWhenBusy = true;
    EXPECT_EQ(rig.cycles.readAll(planOf(1)), 0);
    EXPECT_TRUE(rig.state.retryWhenBusy);
    EXPECT_EQ(rig.world.countCalls("P_FlushSettingReq"), 1);
    EXPECT_EQ(rig.world.countCalls("P_FlushPropertyReq"), 1);
    EXPECT_EQ(rig.world.countCalls("KQCMD_ModeSense"), 0);
}

TEST(ReadAll, TheCardMaterialIsReloadedForTheGridAndMediaTabsOnly) {
    for (int tab : {2, 3, 4}) {
        CycleRig rig;
        rig.cycles.readAll(planOf(tab));
        EXPECT_EQ(rig.data.image.CardMaterial, 3) << tab;
    }
    CycleRig other;
    other.cycles.readAll(planOf(1));
    EXPECT_EQ(other.data.image.CardMaterial, 0);
}

TEST(ReadAll, NothingHappensWithoutAPrinter) {
    CycleRig rig;
    rig.state.printerCount = 0;
    EXPECT_EQ(rig.cycles.readAll(planOf(1)), 0);
    EXPECT_EQ(rig.cycles.identityRefresh(), 0);
    EXPECT_EQ(rig.cycles.applyAll(planOf(1)), 0);
    EXPECT_TRUE(rig.world.calls().empty());
    EXPECT_EQ(rig.busyWaits, 0);
}

TEST(ApplyAll, PrinterSettingSendsBothPagesAndReportsTheFirstFailure) {
    CycleRig rig;
    rig.cycles.readAll(planOf(1));
    rig.world.clearCalls();
    rig.world.scriptResult("KQCMD_ModeSelect", -0x0102D000, 1);
    EXPECT_EQ(rig.cycles.applyAll(planOf(1)), -0x0102D000);
    EXPECT_EQ(rig.targets("KQCMD_ModeSelect", 3), (std::vector<std::int64_t>{40, 42}));

    rig.world.clearCalls();
    rig.world.scriptResult("KQCMD_ModeSelect", 0, 1);
    rig.world.scriptResult("KQCMD_ModeSelect", -0x0103B000, 1);
    EXPECT_EQ(rig.cycles.applyAll(planOf(1)), -0x0103B000);
}

// Every written field holds its own page byte number, so a request shows
// where each field went.
void numberWrittenFields(link::SettingsImage& image) {
    auto& pc = image.PrintCondition;
    pc.Byte8 = 8, pc.Byte16 = 16, pc.Byte20 = 20, pc.Byte22 = 22, pc.Byte23 = 23;
    pc.Byte33 = 33, pc.Byte34 = 34, pc.Byte35 = 35, pc.Byte36 = 36, pc.Byte37 = 37;
    pc.Byte41 = 41, pc.Byte42 = 42, pc.Byte43 = 43, pc.Byte44 = 44, pc.Byte45 = 45;
    pc.Byte46 = 46, pc.Byte50 = 50, pc.Byte51 = 51, pc.Byte53 = 53, pc.Byte54 = 54;
    pc.Byte56 = 56, pc.Byte57 = 57, pc.Byte58 = 58;
    auto& lm = image.LaminatorSetting;
    lm.Byte2 = 2, lm.Byte3 = 3, lm.Byte4 = 4, lm.Byte5 = 5, lm.Byte6 = 6, lm.Byte7 = 7;
    lm.Byte8 = 8, lm.Byte9 = 9, lm.Byte14 = 14, lm.Byte15 = 15, lm.Byte16 = 16;
    auto& nw = image.NetworkSetting;
    std::int16_t n = 2;
    for (auto* b :
         {&nw.Byte2, &nw.Byte3, &nw.Byte4, &nw.Byte5, &nw.Byte6, &nw.Byte7, &nw.Byte8, &nw.Byte9,
          &nw.Byte10, &nw.Byte11, &nw.Byte12, &nw.Byte13, &nw.Byte14, &nw.Byte15, &nw.Byte16})
        *b = n++;
    nw.Name = {'A', 'B', 'C', 0, 'o', 'l', 'd', 0, 0, 0, 0};
    nw.Byte27 = 27, nw.Byte28 = 28, nw.Byte29 = 29, nw.Byte30 = 30;
    for (std::uint8_t i = 0; i < 16; ++i) {
        nw.Block31[i] = static_cast<std::uint8_t>(31 + i);
        nw.Block47[i] = static_cast<std::uint8_t>(47 + i);
    }
}

using Bytes = std::vector<std::uint8_t>;
constexpr std::uint8_t X = 0xFF;  // no field: the printer leaves it alone

const Bytes kConditionRequest{0x28, 30, X, X,  33, 34, 35, 36, 37, X, X,  16, 23, 41, 42, 43,
                              44,   20, 8, 22, X,  45, 46, 50, 51, X, 53, 54, 56, 57, 58, X};
const Bytes kLaminatorRequest{0x2C, 22, 2,  3,  4,  5, 6, X, 8, 9, X, X,
                              X,    X,  14, 15, 16, X, X, X, X, X, X, X};

// Page byte n in select byte n; the name stops at its 0, byte 28 is read
// only, 63..79 carry nothing.
Bytes networkRequest() {
    Bytes r{0x2D, 78};
    for (std::uint8_t b = 2; b <= 16; ++b) r.push_back(b);
    r.insert(r.end(), {'A', 'B', 'C', 0});
    r.insert(r.end(), 6, X);
    r.insert(r.end(), {27, X, 29, 30});
    for (std::uint8_t b = 31; b <= 62; ++b) r.push_back(b);
    r.insert(r.end(), 17, X);
    return r;
}

TEST(ApplyAll, EachSettingTabWritesItsPagesOverUsb) {
    const std::vector<std::pair<int, std::vector<std::pair<int, Bytes>>>> writes = {
        {2, {{0x28, kConditionRequest}}}, {3, {{0x28, kConditionRequest}}},
        {4, {{0x28, kConditionRequest}}}, {6, {{0x2C, kLaminatorRequest}}},
        {7, {{0x2D, networkRequest()}}},
    };
    for (const auto& [tab, expected] : writes) {
        CycleRig rig;
        numberWrittenFields(rig.data.image);
        ASSERT_EQ(rig.cycles.applyAll(planOf(tab)), 0) << "tab " << tab;
        std::vector<std::pair<int, Bytes>> sent;
        for (const auto& call : rig.world.callsTo("KQCMD_ModeSelect"))
            sent.emplace_back(static_cast<int>(call.args[3]), call.bytes);
        EXPECT_EQ(sent, expected) << "tab " << tab;
        EXPECT_EQ(rig.busyWaits, 1) << "tab " << tab;
    }
}

TEST(ApplyAll, EachSettingTabWritesItsItemsOverTheNetwork) {
    using Items = std::vector<std::pair<std::int64_t, Bytes>>;
    const std::vector<std::pair<int, Items>> writes = {
        {2, {{76, {33}}, {77, {34}}, {78, {35}}, {93, {56}}, {94, {57}}}},
        {3, {{79, {36}}, {80, {37}}}},
        {4, {{51, {20}}, {20, {22}}}},
        {6,
         {{200, {2}},
          {201, {4}},
          {202, {5}},
          {203, {6}},
          {204, {3}},
          {205, {8}},
          {206, {15}},
          {207, {16}},
          {209, {14}},
          {210, {9}}}},
        {7, {{1, {'A', 'B', 'C', 0, 0, 0, 0, 0, 0, 0}}}},
    };
    for (const auto& [tab, expected] : writes) {
        CycleRig rig;
        rig.useNetwork();
        numberWrittenFields(rig.data.image);
        ASSERT_EQ(rig.cycles.applyAll(planOf(tab)), 0) << "tab " << tab;
        Items sent;
        for (const auto& call : rig.world.calls())
            if (call.operation == "U_Set1stSettingValue" ||
                call.operation == "U_SetNextSettingValue")
                sent.emplace_back(call.args[0], call.bytes);
        EXPECT_EQ(sent, expected) << "tab " << tab;
        EXPECT_EQ(rig.world.countCalls("P_FlushSettingValue"), 1) << "tab " << tab;
        EXPECT_EQ(rig.world.countCalls("KQCMD_ModeSelect"), 0) << "tab " << tab;
    }
}

TEST(ApplyAll, TabsWithoutWritablePagesWriteNothing) {
    for (int tab : {0, 5, 8, 9}) {
        CycleRig rig;
        EXPECT_EQ(rig.cycles.applyAll(planOf(tab)), 0);
        EXPECT_EQ(rig.world.countCalls("KQCMD_ModeSelect"), 0) << tab;
    }
}

TEST(ApplyAll, ACancelledBusyWaitWritesNothingAndReportsNothing) {
    CycleRig rig;
    rig.printerFreed = false;
    EXPECT_EQ(rig.cycles.applyAll(planOf(1)), 0);
    EXPECT_EQ(rig.busyWaits, 1);
    EXPECT_EQ(rig.world.countCalls("KQCMD_ModeSelect"), 0);

    rig.useNetwork();
    EXPECT_EQ(rig.cycles.applyAll(planOf(1)), 0);
    EXPECT_EQ(rig.world.countCalls("P_FlushSettingValue"), 0);
}

TEST(RoundTrip, AChangedPrintLevelReachesThePrinterAndNothingElseMoves) {
    CycleRig rig;
    rig.cycles.readAll(planOf(1));
    const std::vector<std::uint8_t> before(rig.world.usb(0).page(0x28).begin(),
                                           rig.world.usb(0).page(0x28).end());
    rig.data.image.PrintCondition.Byte41 = static_cast<std::int16_t>(before[41] == 7 ? 8 : 7);
    ASSERT_EQ(rig.cycles.applyAll(planOf(1)), 0);
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
    ASSERT_EQ(rig.cycles.readAll(planOf(1)), 0);
    rig.data.image.PrintCondition.Byte50 = 9;
    ASSERT_EQ(rig.cycles.applyAll(planOf(1)), 0);
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
