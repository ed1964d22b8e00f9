// The monitor cycle on the virtual clock: its rate and skip rules, lost
// printers, what a hidden window does for each severity, and tab dispatch.
#include <gtest/gtest.h>

#include <climits>

#include "shell_rig.h"

namespace orvan::testing {
namespace {

using ui::Answer;

struct Started : ShellRig {
    Started() {
        EXPECT_TRUE(start());
        world.clearCalls();
        redraws = 0;
    }
    int statusQueries() const { return world.countCalls("KQCMD_TestUnitReady"); }
    void hide() { main().form.setVisible(false); }
};

TEST(MonitorCycle, RunsOnEveryTenthTick) {
    Started rig;
    rig.loop.advance(kCycleMs - 200);
    EXPECT_EQ(rig.statusQueries(), 0);
    rig.loop.advance(200);
    EXPECT_EQ(rig.statusQueries(), 1);
    rig.loop.advance(kCycleMs * 3);
    EXPECT_EQ(rig.statusQueries(), 4);
}

TEST(MonitorCycle, IsSkippedNotPostponedWhileAPauseOrDiscoveryRuns) {
    Started rig;
    rig.state().pauseActive = true;
    rig.loop.advance(kCycleMs);
    EXPECT_EQ(rig.statusQueries(), 0);
    EXPECT_EQ(rig.probe().cycleTicks(), 0);
    rig.state().pauseActive = false;
    rig.state().discoveryRunning = true;
    rig.loop.advance(kCycleMs);
    EXPECT_EQ(rig.statusQueries(), 0);
    rig.state().discoveryRunning = false;
    rig.loop.advance(kCycleMs - 200);
    EXPECT_EQ(rig.statusQueries(), 0);
    rig.loop.advance(200);
    EXPECT_EQ(rig.statusQueries(), 1);
}

TEST(MonitorCycle, LossCodesDropThePrinterAndTheNextCycleRediscoversIt) {
    for (link::ResultCode lost : {-0x02010005, -0x02000004, -0x09000002}) {
        Started rig;
        rig.world.scriptResult("KQCMD_TestUnitReady", lost);
        rig.loop.advance(kCycleMs);
        EXPECT_EQ(rig.state().printerCount, 0) << std::hex << -lost;
        rig.loop.advance(kCycleMs);
        EXPECT_GT(rig.state().printerCount, 0) << std::hex << -lost;
    }
    Started kept;
    kept.world.scriptResult("KQCMD_TestUnitReady", -0x02000005);
    kept.boxes.whileOpen = nullptr;
    kept.loop.advance(kCycleMs);
    EXPECT_GT(kept.state().printerCount, 0);
}

// The unit-ready check passes; the loss arrives only in the status command's
// printer result.
TEST(MonitorCycle, ALossCodeFromTheStatusCommandDropsThePrinterToo) {
    for (link::ResultCode lost : {-0x02010005, -0x02020001, -0x02000004, -0x09000002}) {
        Started rig;
        rig.world.scriptResult("KQCMD_TestUnitReady", 0);
        rig.world.usb(0).setPrinterError(lost);
        rig.loop.advance(kCycleMs);
        EXPECT_EQ(rig.world.countCalls("KQCMD_GetPrinterStatus"), 1) << std::hex << -lost;
        EXPECT_EQ(rig.state().printerCount, 0) << std::hex << -lost;
        rig.world.usb(0).setPrinterError(0);
        rig.loop.advance(kCycleMs);
        EXPECT_GT(rig.state().printerCount, 0) << std::hex << -lost;
    }
}

// A library that hands back the most negative number for both devices,
// which no printer sends but nothing stops a library from sending.
class ExtremeStatus : public sim::SimCommandPort {
  public:
    using SimCommandPort::SimCommandPort;
    std::int32_t printerResult = INT_MIN, laminatorResult = INT_MIN, laminatorState = 18;
    std::int32_t KQCMD_GetPrinterStatus(std::int32_t, std::int32_t, std::int32_t* pr,
                                        std::int32_t* ps, std::int32_t* lr,
                                        std::int32_t* ls) override {
        *pr = printerResult;
        *ps = 0;
        *lr = laminatorResult;
        *ls = laminatorState;
        return 1;
    }
};

// Runs under UBSan: nothing added, negated or compared may overflow. Two
// statuses whose codes would add up to the same number still differ.
TEST(MonitorCycle, TheMostNegativeResultsAreHandledAndStillTellStatusesApart) {
    ShellRig rig;
    ExtremeStatus extreme(rig.world);
    rig.commandsInUse = &extreme;
    rig.rebuild();
    int redraws = 0;
    rig.probe().redrawStatusWith(
        [&] {
            ++redraws;
            rig.monitor->statusView().ShowStatus();
        },
        [&rig] { ++rig.mediaRefreshes; });
    ASSERT_TRUE(rig.start());
    rig.loop.advance(kCycleMs);
    EXPECT_EQ(rig.monitor->snapshot().printerResult, INT_MIN);
    EXPECT_EQ(rig.monitor->snapshot().laminatorResult, INT_MIN);
    EXPECT_GT(rig.state().printerCount, 0);

    extreme.laminatorState = 255;  // the laminator's error byte, composed into its family
    rig.loop.advance(kCycleMs);
    extreme.printerResult = 0;
    extreme.laminatorState = 18;
    rig.loop.advance(kCycleMs);
    const int before = redraws;
    extreme.printerResult = INT_MIN, extreme.laminatorResult = 0;
    rig.loop.advance(kCycleMs);
    EXPECT_EQ(redraws, before + 1);
    EXPECT_EQ(rig.monitor->snapshot().printerResult, INT_MIN);
    EXPECT_EQ(rig.monitor->snapshot().laminatorResult, 0);
}

TEST(MonitorCycle, ARemovedPrinterComesBackWithinOneCycleOfReattaching) {
    Started rig;
    rig.world.setUsbAttached(0, false);
    rig.loop.advance(kCycleMs);
    rig.loop.advance(kCycleMs);
    EXPECT_EQ(rig.combos().Combo0.item(0).rfind("NET:", 0), 0u);
    rig.world.setUsbAttached(0, true);
    rig.state().printerCount = 0;
    rig.loop.advance(kCycleMs);
    EXPECT_EQ(rig.combos().Combo0.item(0), "USB:Unit1");
    EXPECT_EQ(rig.state().selected.connection, link::Connection::Usb);
}

TEST(MonitorCycle, AHiddenWindowIgnoresTransientAndBusyResults) {
    for (link::ResultCode code : {-0x0102DA00, -0x0102D300}) {
        Started rig;
        rig.hide();
        rig.world.usb(0).setPrinterError(code);
        rig.loop.advance(kCycleMs);
        EXPECT_FALSE(rig.main().form.visible()) << std::hex << -code;
        EXPECT_EQ(rig.redraws, 0);
        EXPECT_TRUE(rig.boxes.shown().empty());
    }
}

TEST(MonitorCycle, AnErrorBringsTheHiddenWindowForwardOnTheStatusTab) {
    Started rig;
    rig.main().SSTab1.setTab(shell::OthersTab);
    rig.hide();
    rig.main().Menu1.setVisible(true);
    rig.world.usb(0).setPrinterError(-0x0102D000);
    rig.loop.advance(kCycleMs);
    EXPECT_TRUE(rig.main().form.visible());
    EXPECT_FALSE(rig.main().Menu1.visible());
    EXPECT_EQ(rig.main().SSTab1.tab(), shell::StatusTab);
    EXPECT_GE(rig.redraws, 1);
    EXPECT_EQ(rig.monitor->snapshot().printerState, rig.state().status.printerState);
    EXPECT_TRUE(rig.boxes.shown().empty());
}

TEST(MonitorCycle, AFaultShowsItsMessageWithTheMonitorStoppedWhileOpen) {
    Started rig;
    rig.hide();
    rig.world.usb(0).setPrinterError(-0x02030007);
    bool timerRanWhileOpen = true;
    rig.boxes.whileOpen = [&](const ui::ShownBox&) {
        timerRanWhileOpen = rig.main().Timer1.enabled();
    };
    rig.loop.advance(kCycleMs);
    ASSERT_EQ(rig.boxes.shown().size(), 1u);
    EXPECT_EQ(rig.boxes.shown()[0].text,
              "Error happens in KQ Port Manager. Target status is invalid.");
    EXPECT_EQ(rig.boxes.shown()[0].icon, ui::Icon::Error);
    EXPECT_FALSE(timerRanWhileOpen);
    EXPECT_TRUE(rig.main().Timer1.enabled());
    EXPECT_TRUE(rig.main().form.visible());
    rig.loop.advance(kCycleMs);
    EXPECT_EQ(rig.boxes.shown().size(), 2u);  // again on every cycle while it lasts
}

TEST(MonitorCycle, AVisibleStatusTabRedrawsOnlyWhenTheStatusChanged) {
    Started rig;
    rig.loop.advance(kCycleMs);
    EXPECT_EQ(rig.redraws, 0);
    EXPECT_EQ(rig.mediaRefreshes, 1);
    rig.world.usb(0).setPrinterState(50);
    rig.loop.advance(kCycleMs);
    EXPECT_EQ(rig.redraws, 1);
    EXPECT_EQ(rig.monitor->snapshot().printerState, 50);
}

// A command library whose scan fails as a library that cannot be loaded.
class VanishingScan : public sim::SimCommandPort {
  public:
    using SimCommandPort::SimCommandPort;
    bool missing = false;
    std::int32_t KQCMD_ScanPrinter(std::int32_t* slot, std::int32_t* scsiId) override {
        if (missing) throw link::PortLibraryMissing("libLNKCMD.so");
        return SimCommandPort::KQCMD_ScanPrinter(slot, scsiId);
    }
};

TEST(RebuildPrinterList, AMissingLibraryAsksToEndUntilAGoodRebuildTakesItBack) {
    ShellRig rig;
    VanishingScan scan(rig.world);
    rig.commandsInUse = &scan;
    rig.rebuild();
    ASSERT_TRUE(rig.start());
    scan.missing = true;
    EXPECT_FALSE(rig.monitor->rebuildPrinterList());
    ASSERT_EQ(rig.boxes.shown().size(), 1u);
    EXPECT_EQ(rig.boxes.shown()[0].text, "KQ Port Manager is not found. Status Monitor ends.");
    EXPECT_EQ(rig.boxes.shown()[0].icon, ui::Icon::Warning);
    EXPECT_TRUE(rig.probe().endRequested());
    EXPECT_TRUE(rig.main().Timer2.enabled());
    EXPECT_EQ(rig.main().Timer2.interval(), 10);  // a pause in progress ends at once
    rig.state().pauseActive = true;
    rig.loop.advance(10);
    EXPECT_FALSE(rig.state().pauseActive);
    EXPECT_FALSE(rig.main().Timer2.enabled());

    scan.missing = false;
    EXPECT_TRUE(rig.monitor->rebuildPrinterList());
    EXPECT_FALSE(rig.probe().endRequested());
    EXPECT_FALSE(rig.monitor->activate());
    EXPECT_FALSE(rig.monitor->ended());
    EXPECT_EQ(rig.combos().Combo0.item(0), "USB:Unit1");
}

TEST(StatusTabUpdate, AnUnchangedPrinterCountSelectsTheFirstPrinterWithoutRedrawing) {
    Started rig;
    rig.combos().Combo0.setListIndex(1);
    ASSERT_EQ(rig.state().selected.connection, link::Connection::Network);
    rig.redraws = 0;
    bool timerRanWhileAsked = true;
    rig.boxes.whileOpen = [&](const ui::ShownBox&) {
        timerRanWhileAsked = rig.main().Timer1.enabled();
    };
    rig.boxes.answerNext(Answer::Ok);
    rig.monitor->statusTab().Cmd0_2.click();
    EXPECT_EQ(rig.boxes.shown().back().text,
              "Would you like to refresh the status of Online Printers?");
    EXPECT_FALSE(timerRanWhileAsked);
    EXPECT_EQ(rig.state().selected.connection, link::Connection::Usb);
    EXPECT_EQ(rig.redraws, 0);
    EXPECT_TRUE(rig.main().Timer1.enabled());
}

TEST(StatusTabUpdate, CancelChangesNothing) {
    Started rig;
    rig.boxes.answerNext(Answer::Cancel);
    rig.monitor->statusTab().Cmd0_2.click();
    EXPECT_EQ(rig.world.countCalls("KQCMD_ScanPrinter"), 0);
    EXPECT_TRUE(rig.main().Timer1.enabled());
}

TEST(TabDispatch, AClickRefreshesThatTabAndRestartsTheMonitor) {
    Started rig;
    ui::Label& counter =
        rig.monitor->screens().laminator.label8(tabs::LaminatorTab::kCleaningCounter);
    counter.setCaption("stale");
    rig.main().Timer1.setEnabled(false);
    rig.main().SSTab1.setTab(shell::LaminatorTab);
    EXPECT_NE(counter.caption(), "stale");
    EXPECT_TRUE(rig.main().Timer1.enabled());
    EXPECT_EQ(rig.world.countCalls("KQCMD_StandardInquiry"), 1);
    EXPECT_GE(rig.world.countCalls("KQCMD_LogSense"), 1);
}

TEST(TabDispatch, TheStatusTabPutsItsComboBackOnTheSelectedPrinter) {
    Started rig;
    rig.main().SSTab1.setTab(shell::OthersTab);
    rig.combos().show(1);  // moved by the shell: no choice of the user's
    rig.redraws = 0;
    rig.main().SSTab1.setTab(shell::StatusTab);
    EXPECT_EQ(rig.combos().Combo0.listIndex(), 0);
    EXPECT_EQ(rig.redraws, 1);
}

TEST(PrinterCombo, AChoiceSelectsThatPrinterAndRefreshesIt) {
    Started rig;
    rig.combos().Combo0.setListIndex(1);
    EXPECT_EQ(rig.state().selected.connection, link::Connection::Network);
    EXPECT_EQ(rig.redraws, 1);
    EXPECT_GE(rig.world.countCalls("P_FlushPropertyReq"), 1);
}

}  // namespace
}  // namespace orvan::testing
