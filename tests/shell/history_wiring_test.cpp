// The monitor keeps the history of the printer it watches, on the virtual
// clock: an error's onset and recovery, a loss and a rediscovery, each
// write with the user who made it; a store it cannot use is said once and
// the monitor goes on.
#include <gtest/gtest.h>

#include "history/audit.h"
#include "history/history_queries.h"
#include "history/history_rig.h"
#include "shell_rig.h"
#include "tabs/security_lock_tab.h"
#include "tabs/setting_tab_buttons.h"

namespace orvan::testing {
namespace {

using history::EventKind;

struct HistoryShell : ShellRig {
    explicit HistoryShell(const std::string& contents = "") {
        historyPath = dir.file("history.sqlite3");
        if (!contents.empty()) ScratchDir::write(historyPath, contents);
        wallClock = [this] { return kT0 + loop.now() / 1000; };
        rebuild();
        EXPECT_TRUE(start());
    }
    std::vector<std::string> events() {
        std::string why;
        auto store = history::Store::open(historyPath, why, true);
        EXPECT_TRUE(store) << why;
        std::vector<std::string> out;
        if (!store) return out;
        for (const auto& e : history::Events(*store, {"", {kT0, kT0 + 3600}, {}, "", 100}))
            out.push_back(std::to_string(e.at - kT0) + " " +
                          std::string(history::KindName(e.kind)) + " " + e.printer);
        return out;
    }
};

TEST(HistoryWiring, ErrorsLossesAndRediscoveriesOfTheWatchedPrinterAreRecordedWhenTheyHappen) {
    HistoryShell rig;
    rig.loop.advance(kCycleMs);  // found, at 2 s
    rig.world.usb(0).setPrinterError(-0x0102D000);
    rig.loop.advance(kCycleMs);  // the error, at 4 s
    rig.loop.advance(kCycleMs);
    rig.world.usb(0).setPrinterError(0);
    rig.loop.advance(kCycleMs);  // recovered, at 8 s
    rig.world.setUsbAttached(0, false);
    rig.loop.advance(kCycleMs);  // lost, at 10 s
    rig.loop.advance(kCycleMs);
    rig.world.setUsbAttached(0, true);
    rig.state().printerCount = 0;
    rig.loop.advance(kCycleMs);  // found again, at 14 s
    // The simulated printer has a laminator: its state is told on first sight.
    const std::vector<std::string> expected = {
        "2 found usb:0:0",          "2 printer state usb:0:0",  "2 laminator state usb:0:0",
        "4 printer result usb:0:0", "8 printer result usb:0:0", "10 lost usb:0:0",
        "14 found usb:0:0",         "14 printer state usb:0:0", "14 laminator state usb:0:0",
    };
    const auto got = rig.events();
    // The network printers the list falls back to while the USB one is
    // away are watched, and recorded, too.
    std::vector<std::string> usb;
    for (const auto& e : got)
        if (e.ends_with("usb:0:0")) usb.push_back(e);
    EXPECT_EQ(usb, expected);
}

TEST(HistoryWiring, TheGaugesTooltipsTellTheDaysLeftOnceTheHistoryKnowsThem) {
    HistoryShell rig;
    auto& ink = rig.monitor->statusTab().Pic0[1];
    auto& film = rig.monitor->statusTab().Pic0[2];
    rig.world.usb(0).setInk(50);
    rig.loop.advance(kCycleMs);
    EXPECT_EQ(ink.toolTip(), "Ink ribbon: too little history for a forecast");
    EXPECT_EQ(film.toolTip(), "Film: too little history for a forecast");
    // Ink 50, 45, 40, 35 of 50 on four days, read by the monitor's cycle: 10 % a day.
    for (int day = 1; day < 4; ++day) {
        rig.loop.advance(86400LL * 1000 - 10 * kCycleMs);
        rig.world.usb(0).setInk(50 - 5 * day);
        rig.loop.advance(10 * kCycleMs);
    }
    rig.loop.advance(600 * 1000);
    EXPECT_EQ(ink.toolTip(), "Ink ribbon: about 7 days left (10.0 % a day over the last 14 days)");
    EXPECT_EQ(film.toolTip(), "Film: too little history for a forecast") << "the film did not move";
}

TEST(HistoryWiring, EveryWriteToThePrinterIsAuditedWithTheScreenTheSettingsAndTheUser) {
    HistoryShell rig;
    rig.main().SSTab1.setTab(shell::PrinterSettingTab);
    auto& update = rig.monitor->screens().printerSetting.Cmd1[tabs::kUpdateButton];
    rig.boxes.answerNext(ui::Answer::Ok);
    update.click();
    rig.world.scriptResult("KQCMD_ModeSelect", -0x0102D000, 1);
    rig.boxes.answerNext(ui::Answer::Ok);
    update.click();
    rig.boxes.answerNext(ui::Answer::Cancel);  // refused: nothing written, nothing audited
    update.click();
    // A new password on the Security Lock tab is a write as well.
    rig.main().SSTab1.setTab(shell::SecurityLockTab);
    auto& lock = rig.monitor->screens().securityLock;
    lock.Opt9[tabs::NewPassword].setValue(true);
    lock.Text9_2[0].setText("Secret1");
    lock.Text9_2[1].setText("Secret1");
    rig.boxes.answerNext(ui::Answer::Ok);
    lock.Cmd9[tabs::kUpdateButton].click();
    std::string why;
    auto store = history::Store::open(rig.historyPath, why, true);
    ASSERT_TRUE(store) << why;
    const auto audit = history::Audit(*store, "usb:0:0", {kT0, kT0 + 3600});
    ASSERT_EQ(audit.size(), 3u);
    for (const auto& a : audit) EXPECT_EQ(a.user, history::LoginName());
    for (std::size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(audit[i].screen, "Printer Setting");
        EXPECT_EQ(audit[i].settings.rfind("mode pages ", 0), 0u) << audit[i].settings;
    }
    EXPECT_TRUE(audit[0].ok);
    EXPECT_FALSE(audit[1].ok);
    EXPECT_EQ(audit[1].result, -0x0102D000);
    EXPECT_EQ(audit[2].screen, "Security Lock");
    EXPECT_EQ(audit[2].settings, "security lock: new password");
    EXPECT_TRUE(audit[2].ok);
}

TEST(HistoryWiring, TheHistoryWindowOpensOnTheWatchedPrinterFromTheStatusTabAndTheTrayMenu) {
    HistoryShell rig;
    rig.loop.advance(kCycleMs);
    auto& window = rig.monitor->screens().dialogs();
    const bool listed = std::any_of(window.begin(), window.end(), [](const shell::Screen& s) {
        return std::string(s.form) == history::HistoryForm::kForm;
    });
    EXPECT_TRUE(listed) << "the window is one of the dialogs";
    const std::function<void()> gestures[] = {
        [&] { rig.monitor->statusTab().Cmd0_3.click(); },
        [&] { rig.main().MenuItem[shell::MenuHistory].click(); },
    };
    for (const auto& gesture : gestures) {
        auto& history = rig.monitor->window().history;
        history.form.setVisible(false);
        history.PrinterCombo.clear();
        rig.world.clearCalls();
        gesture();
        EXPECT_TRUE(history.form.visible());
        EXPECT_EQ(history.printer(), "usb:0:0");
        EXPECT_GE(history.EventList.count(), 3);
        EXPECT_TRUE(rig.world.calls().empty()) << "the window reads the store, not the printer";
    }
}

TEST(HistoryWiring, ADamagedStoreIsSaidOnceInTheStatusLineAndTheMonitorGoesOn) {
    HistoryShell rig(std::string(4096, 'x'));
    rig.loop.advance(kCycleMs);
    EXPECT_NE(rig.main().DoneLine.caption().find("History is off"), std::string::npos)
        << rig.main().DoneLine.caption();
    EXPECT_NE(rig.main().DoneLine.caption().find("not a database"), std::string::npos);
    rig.loop.advance(6000);
    EXPECT_EQ(rig.main().DoneLine.caption(), "");
    rig.world.clearCalls();
    rig.world.usb(0).setPrinterError(-0x0102D000);
    rig.loop.advance(20 * kCycleMs);
    EXPECT_EQ(rig.main().DoneLine.caption(), "") << "said once only";
    EXPECT_GE(rig.world.countCalls("KQCMD_TestUnitReady"), 20) << "the monitor still watches";
    EXPECT_EQ(rig.monitor->snapshot().printerResult, -0x0102D000);
    EXPECT_EQ(ScratchDir::read(rig.historyPath), std::string(4096, 'x'))
        << "the file is left as it was";
}

}  // namespace
}  // namespace orvan::testing
