// Desktop notifications of printer errors: one at the onset of an Error or
// Fault, none while it lasts, a new one once it clears and comes back or
// another error takes its place; an option and a configuration key turn
// them off without touching the other options.
#include <gtest/gtest.h>

#include "shell/shell_rig.h"

namespace orvan::testing {
namespace {

struct RecordingNotifier : shell::DesktopNotifier {
    std::vector<shell::Notice> notices;
    void notify(const shell::Notice& n) override { notices.push_back(n); }
};

struct NotifyingMonitor {
    RecordingNotifier notifier;
    ShellRig rig;
    NotifyingMonitor() {
        rig.notifier = &notifier;
        rig.rebuild();
    }
    void error(link::ResultCode code) { rig.world.usb(0).setPrinterError(code); }
    void cycles(int n) { rig.loop.advance(2000 * n); }
};

TEST(DesktopNotifications, OneNoticePerErrorOnset) {
    NotifyingMonitor m;
    ASSERT_TRUE(m.rig.start("-s"));
    m.cycles(2);
    EXPECT_TRUE(m.notifier.notices.empty());

    m.error(-0x0102D000);
    m.cycles(4);
    ASSERT_EQ(m.notifier.notices.size(), 1u);
    EXPECT_EQ(m.notifier.notices[0].summary, "USB:Unit1: Printer Error(0102D000)");
    EXPECT_EQ(m.notifier.notices[0].body, "No Card. (Cards have run out.) Replenish the cards.");
    // The window came forward as before.
    EXPECT_TRUE(m.rig.main().form.visible());

    m.error(-0x0102DB00);  // a transient result clears it
    m.cycles(1);
    m.error(-0x0102D000);
    m.cycles(3);
    EXPECT_EQ(m.notifier.notices.size(), 2u);

    m.error(-0x0103A100);  // another error in its place
    m.cycles(2);
    ASSERT_EQ(m.notifier.notices.size(), 3u);
    EXPECT_EQ(m.notifier.notices[2].body,
              "Retransfer film is broken or is not detected. Install the retransfer film "
              "correctly.");
    m.error(-0x0102D300);  // busy: no error, no notice
    m.cycles(2);
    EXPECT_EQ(m.notifier.notices.size(), 3u);
}

TEST(DesktopNotifications, TheOptionAndTheConfigurationKeyTurnThemOff) {
    NotifyingMonitor byOption;
    ASSERT_TRUE(byOption.rig.start("--no-notifications -S"));
    EXPECT_EQ(byOption.rig.probe().startFlags().startMode,
              shell::StartMode::TrayOnly);  // "-s" still counts
    byOption.error(-0x0102D000);
    byOption.cycles(2);
    EXPECT_TRUE(byOption.notifier.notices.empty());
    EXPECT_TRUE(byOption.rig.main().form.visible());

    NotifyingMonitor byKey;
    byKey.rig.writeIni("[Notifications]\ndesktop=0\n");
    ASSERT_TRUE(byKey.rig.start());
    byKey.error(-0x0102D000);
    byKey.cycles(2);
    EXPECT_TRUE(byKey.notifier.notices.empty());

    NotifyingMonitor on;
    on.rig.writeIni("[NOTIFICATIONS]\nDESKTOP=1\n");
    ASSERT_TRUE(on.rig.start("-i"));
    EXPECT_EQ(on.rig.probe().startFlags().startMode, shell::StartMode::SelectPrinter);
    on.error(-0x0102D000);
    on.cycles(2);
    EXPECT_EQ(on.notifier.notices.size(), 1u);

    // The rules of the other options stay as they were: one option, whole line.
    EXPECT_EQ(shell::TakeNotificationOption("-s").rest, "-s");
    EXPECT_EQ(shell::TakeNotificationOption("-s -i").rest, "-s -i");
    EXPECT_EQ(shell::TakeNotificationOption("-t --no-notifications").rest, "-t");
    EXPECT_TRUE(shell::TakeNotificationOption("--no-notifications").off);
    EXPECT_FALSE(shell::TakeNotificationOption("--no-notificationsx").off);
}

}  // namespace
}  // namespace orvan::testing
