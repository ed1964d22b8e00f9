// What a gesture's write did is told in the window's status line for a few
// seconds; a failure keeps its message box. While the write runs the pointer
// shows busy, but never over a question.
#include <gtest/gtest.h>

#include "gesture_rig.h"

namespace orvan::testing {
namespace {

using ui::Answer;

TEST(DoneLine, AWriteThatTookIsToldForAFewSecondsAndTheBusyPointerLastsOnlyWhileItRuns) {
    GestureRig rig;
    rig.main().SSTab1.setTab(shell::PrinterSettingTab);
    auto& update = rig.monitor->screens().printerSetting.Cmd1[tabs::kUpdateButton];
    std::vector<bool> busy;
    rig.boxes.whileOpen = [&](const ui::ShownBox&) { busy.push_back(rig.main().Pointer.busy()); };
    // A busy answer makes the write pause a second, and look meanwhile.
    rig.world.scriptResult("KQCMD_ModeSelect", 1, 1);
    rig.after(500, [&] { busy.push_back(rig.main().Pointer.busy()); });
    rig.boxes.answerNext(Answer::Ok);
    update.click();
    EXPECT_EQ(busy, (std::vector<bool>{false, true}));  // the question, then the pause
    EXPECT_FALSE(rig.main().Pointer.busy());
    EXPECT_EQ(rig.main().DoneLine.caption(), "Settings written to USB:Unit1");
    EXPECT_TRUE(rig.main().DoneLine.visible());
    rig.loop.advance(4000);
    EXPECT_EQ(rig.main().DoneLine.caption(), "Settings written to USB:Unit1");
    rig.loop.advance(1500);
    EXPECT_EQ(rig.main().DoneLine.caption(), "");
    EXPECT_FALSE(rig.main().DoneLine.visible());

    // A failed write keeps its box and says nothing in the line; a refused
    // question writes nothing and says nothing.
    rig.world.scriptResult("KQCMD_ModeSelect", -0x0102D000, 1);
    rig.boxes.answerNext(Answer::Ok);
    update.click();
    EXPECT_EQ(rig.boxes.shown().back().icon, ui::Icon::Warning);
    rig.boxes.answerNext(Answer::Cancel);
    update.click();
    EXPECT_EQ(rig.main().DoneLine.caption(), "");
}

TEST(DoneLine, ATestPrintAndANewPasswordAreToldToo) {
    GestureRig rig;
    rig.main().SSTab1.setTab(shell::OthersTab);
    rig.boxes.answerNext(Answer::Ok);
    rig.monitor->screens().others.button(maintenance::PrintButton).click();
    EXPECT_EQ(rig.main().DoneLine.caption(), "Test print started");

    rig.main().SSTab1.setTab(shell::SecurityLockTab);
    tabs::SecurityLockTab& lock = rig.monitor->screens().securityLock;
    lock.Opt9[2].setValue(true);  // a new password
    lock.Text9_2[0].setText("secret");
    lock.Text9_2[1].setText("secret");
    rig.boxes.answerNext(Answer::Ok);
    lock.Cmd9[tabs::kUpdateButton].click();
    EXPECT_EQ(rig.main().DoneLine.caption(), "Password set");
}

}  // namespace
}  // namespace orvan::testing
