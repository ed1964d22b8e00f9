// A confirmed change goes to the printer that was on screen when it was
// confirmed, or nowhere: while a question is open the monitor cycle must not
// lose the printer and move on to another one.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "shell_rig.h"

namespace orvan::testing {
namespace {

// Calls of the network library: the network printer was addressed.
std::vector<std::string> networkCalls(const sim::SimulatedPrinters& world) {
    std::vector<std::string> names;
    for (const auto& call : world.calls()) {
        const std::string& op = call.operation;
        if (op.rfind("P_", 0) == 0 || op.rfind("Px_", 0) == 0 || op.rfind("U_", 0) == 0)
            names.push_back(op);
    }
    return names;
}

// Every gesture that asks before it writes, on the USB printer. While its
// question is open the USB printer is unplugged and five cycles' time goes
// by; then the user answers OK.
TEST(ConfirmedChange, NeverReachesAnotherPrinterThanTheOneItWasAskedFor) {
    struct Gesture {
        const char* name;
        int tab;
        std::function<void(shell::Monitor&)> press;
    };
    const std::vector<Gesture> gestures = {
        {"Printer Setting Update", shell::PrinterSettingTab,
         [](shell::Monitor& m) { m.screens().printerSetting.Cmd1[0].click(); }},
        {"Media Setting Update", shell::MediaSettingTab,
         [](shell::Monitor& m) { m.screens().mediaSetting.Cmd4[0].click(); }},
        {"print counter Clear", shell::StatusTab,
         [](shell::Monitor& m) { m.statusTab().Cmd0_1.click(); }},
        {"Printer Select Update", shell::PrinterSelectTab,
         [](shell::Monitor& m) { m.screens().printerSelect.Cmd7[0].click(); }},
        {"Security Lock Update", shell::SecurityLockTab,
         [](shell::Monitor& m) { m.screens().securityLock.Cmd9[0].click(); }},
        {"test print", shell::OthersTab,
         [](shell::Monitor& m) { m.screens().others.button(maintenance::PrintButton).click(); }},
    };
    for (const Gesture& gesture : gestures) {
        SCOPED_TRACE(gesture.name);
        ShellRig rig;
        ASSERT_TRUE(rig.start());
        rig.main().SSTab1.setTab(gesture.tab);
        ASSERT_EQ(rig.state().selected.connection, link::Connection::Usb);
        bool asked = false;
        rig.boxes.whileOpen = [&](const ui::ShownBox& box) {
            if (box.buttons != ui::Buttons::OkCancel || asked) return;
            asked = true;
            rig.world.setUsbAttached(0, false);
            rig.world.clearCalls();
            rig.loop.advance(5 * kCycleMs);
        };
        rig.boxes.answerNext(ui::Answer::Ok);
        gesture.press(*rig.monitor);
        ASSERT_TRUE(asked);
        EXPECT_EQ(networkCalls(rig.world), std::vector<std::string>{});
        EXPECT_EQ(rig.state().selected.connection, link::Connection::Usb);

        // Once the question is answered the monitor notices the loss and
        // moves on as it always does.
        rig.boxes.whileOpen = nullptr;
        rig.loop.advance(3 * kCycleMs);
        EXPECT_EQ(rig.state().selected.connection, link::Connection::Network);
        EXPECT_EQ(rig.main().PrinterLine.caption(), "Printer: NET:ORVAN02");
    }
}

// A modal dialog shows one printer's settings: while it is up the cycle
// notices a loss but does not move to another printer, so the dialog's
// Update finds no printer instead of writing to the next one.
// The IPv6 Setting dialog on the Printer Select tab, shown modally while the
// monitor keeps running; the user's steps run one after another, each after
// its delay, and the dialog is closed after the last.
void inIpv6Dialog(ShellRig& rig, std::vector<std::pair<int, std::function<void()>>> steps) {
    rig.main().SSTab1.setTab(shell::PrinterSelectTab);
    auto& dialog = rig.monitor->screens().printerSelect.ipv6Setting;
    steps.emplace_back(100, [&dialog] { dialog.form.requestClose(); });
    ui::Timer user{"User"};
    rig.loop.attach(user);
    std::size_t next = 0;
    user.onTick = [&] {
        steps[next++].second();
        if (next < steps.size())
            user.setInterval(steps[next].first);
        else
            user.setEnabled(false);
    };
    user.setInterval(steps[0].first);
    user.setEnabled(true);
    dialog.open(true);
    rig.loop.detach(user);
    EXPECT_EQ(next, steps.size());
}

void pressUpdate(ShellRig& rig) {
    rig.boxes.answerNext(ui::Answer::Ok);
    rig.monitor->screens().printerSelect.ipv6Setting.Cmd1[0].click();
}

TEST(ConfirmedChange, AnOpenDialogKeepsItsPrinterUntilItCloses) {
    ShellRig rig;
    ASSERT_TRUE(rig.start());
    inIpv6Dialog(rig, {{1000,
                        [&] {
                            rig.world.setUsbAttached(0, false);
                            rig.world.clearCalls();
                        }},
                       {5 * kCycleMs, [&] { pressUpdate(rig); }}});
    EXPECT_EQ(networkCalls(rig.world), std::vector<std::string>{});
    ASSERT_FALSE(rig.boxes.shown().empty());
    EXPECT_EQ(rig.boxes.shown().back().text, "Printer is not found.");
    EXPECT_EQ(rig.state().selected.connection, link::Connection::Usb);
    rig.loop.advance(2 * kCycleMs);
    EXPECT_EQ(rig.state().selected.connection, link::Connection::Network);
}

// An error that brings the minimised window back leaves the tab under an
// open dialog alone: the dialog's Update still writes its own page.
TEST(ConfirmedChange, AnErrorUnderAnOpenDialogLeavesItsTab) {
    ShellRig rig;
    ASSERT_TRUE(rig.start());
    int tabAfterError = -1;
    bool seenAfterError = false;
    inIpv6Dialog(rig, {{100,
                        [&] {
                            rig.main().form.setMinimized(true);
                            rig.world.usb(0).setPrinterError(-0x0102D000);
                        }},
                       {kCycleMs, [&] {
                            seenAfterError = rig.main().form.seen();
                            tabAfterError = rig.main().SSTab1.tab();
                            rig.world.clearCalls();
                            pressUpdate(rig);
                        }}});
    EXPECT_TRUE(seenAfterError);
    EXPECT_EQ(tabAfterError, shell::PrinterSelectTab);
    ASSERT_EQ(rig.world.callsTo("KQCMD_ModeSelect").size(), 1u);
    EXPECT_EQ(rig.world.callsTo("KQCMD_ModeSelect")[0].args.back(), 0x2D);
}

}  // namespace
}  // namespace orvan::testing
