// A window out of sight is always watched and can always be found again:
// hidden into the tray or minimised, the monitor runs and an error brings
// the window back up; without a tray it goes to the task bar; a second
// start brings the running window forward.
#include <gtest/gtest.h>

#include "shell_rig.h"

namespace orvan::testing {
namespace {

struct OutOfSight {
    const char* name;
    void (*put)(shell::MainForm&);
};

const OutOfSight kWays[] = {
    {"Minimize into the tray", [](shell::MainForm& m) { m.Cmdm.click(); }},
    {"the window manager's minimise", [](shell::MainForm& m) { m.form.setMinimized(true); }},
};

// The Printer Select combo's focus stops the monitor while the user picks a
// printer; putting the window out of sight starts it again.
TEST(WatchedWindow, AnErrorBringsTheWindowBackHoweverItWasPutAway) {
    struct Fault {
        const char* name;
        void (*cause)(sim::SimPrinter&);
    };
    const Fault faults[] = {
        {"printer error", [](sim::SimPrinter& p) { p.setPrinterError(-0x0102D000); }},
        {"laminator error", [](sim::SimPrinter& p) { p.setLaminatorError(0x5A); }},
    };
    for (const OutOfSight& way : kWays) {
        for (const Fault& fault : faults) {
            SCOPED_TRACE(std::string(way.name) + ", " + fault.name);
            ShellRig rig;
            ASSERT_TRUE(rig.start());
            rig.main().SSTab1.setTab(shell::PrinterSelectTab);
            rig.combos().Combo7_1.gotFocus();
            EXPECT_FALSE(rig.main().Timer1.enabled());
            rig.combos().Combo7_1.setListIndex(1);  // a choice: the network printer
            ASSERT_EQ(rig.state().selected.connection, link::Connection::Network);
            way.put(rig.main());
            EXPECT_FALSE(rig.main().form.seen());
            EXPECT_TRUE(rig.main().Timer1.enabled());

            fault.cause(rig.world.network(0));
            rig.loop.advance(kCycleMs);
            EXPECT_TRUE(rig.main().form.seen());
            EXPECT_FALSE(rig.main().form.minimized());
            EXPECT_EQ(rig.main().SSTab1.tab(), shell::StatusTab);
        }
    }
}

// The tray's gestures answer a minimised window as a hidden one.
TEST(WatchedWindow, TheTrayOpensAMinimisedWindow) {
    ShellRig rig;
    ASSERT_TRUE(rig.start());
    rig.main().SSTab1.setTab(shell::OthersTab);
    rig.main().form.setMinimized(true);
    rig.monitor->trayMouse(shell::kTrayDoubleClick);
    EXPECT_TRUE(rig.main().form.seen());
    EXPECT_EQ(rig.main().SSTab1.tab(), shell::StatusTab);
}

TEST(WatchedWindow, WithoutANotificationAreaTheWindowGoesToTheTaskBar) {
    ShellRig rig;
    rig.tray.host = false;
    ASSERT_TRUE(rig.start("-s"));
    EXPECT_TRUE(rig.main().form.visible());
    EXPECT_TRUE(rig.main().form.minimized());
    rig.main().form.bringForward();
    rig.main().Cmdm.click();
    EXPECT_TRUE(rig.main().form.visible());
    EXPECT_TRUE(rig.main().form.minimized());

    // A tray host starts (as at login): the icon goes there, and from then
    // on "Minimize" hides into it.
    rig.tray.host = true;
    const int added = rig.tray.added;
    rig.monitor->trayChanged();
    EXPECT_EQ(rig.tray.added, added + 1);
    rig.main().form.bringForward();
    rig.main().Cmdm.click();
    EXPECT_FALSE(rig.main().form.visible());

    // It goes away again: the hidden window comes back to the task bar.
    rig.tray.host = false;
    rig.monitor->trayChanged();
    EXPECT_TRUE(rig.main().form.visible());
    EXPECT_TRUE(rig.main().form.minimized());
}

// What a second start's request does to the running copy (the request
// itself: StartUp tests).
TEST(WatchedWindow, ASecondStartBringsAHiddenWindowForwardOnAFreshStatusTab) {
    ShellRig running;
    ASSERT_TRUE(running.start("-s"));
    running.main().SSTab1.setTab(shell::LaminatorTab);
    running.main().form.setVisible(false);
    running.world.clearCalls();
    running.monitor->comeForward();
    EXPECT_TRUE(running.main().form.seen());
    EXPECT_EQ(running.main().SSTab1.tab(), shell::StatusTab);
    EXPECT_GT(running.world.countCalls("KQCMD_TestUnitReady"), 0);  // a fresh status
}

}  // namespace
}  // namespace orvan::testing
