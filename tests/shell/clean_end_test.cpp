// Ending is immediate: a close during a pause ends the pause at once, and
// from then on nothing reaches a printer and no message box opens.
#include <gtest/gtest.h>

#include "gesture_rig.h"

namespace orvan::testing {
namespace {

using ui::Answer;

struct ClosingDuringAPause : GestureRig {
    std::int64_t startedAt = 0, closedAt = -1;
    std::size_t callsAtClose = 0;

    // An Update whose page write stays busy, closed `how` half-way through
    // its first pause.
    void updateAndClose(std::function<void()> how) {
        main().SSTab1.setTab(shell::PrinterSettingTab);
        world.clearCalls();
        world.scriptResult("KQCMD_ModeSelect", 1, 3);
        startedAt = loop.now();
        after(500, [this, how = std::move(how)] {
            closedAt = loop.now();
            callsAtClose = world.calls().size();
            how();
        });
        boxes.answerNext(Answer::Ok);
        update.click();
    }

    void expectEndedAtOnceWithNothingMoreSent() {
        EXPECT_TRUE(monitor->ended());
        EXPECT_EQ(closedAt, startedAt + 500);
        EXPECT_EQ(loop.now(), closedAt) << "the pause ended with the close";
        EXPECT_FALSE(state().pauseActive);
        EXPECT_FALSE(main().Timer2.enabled());
        EXPECT_FALSE(main().Timer1.enabled());
        EXPECT_EQ(world.countCalls("KQCMD_ModeSelect"), 1);

        // Nothing starts afterwards either: not the monitor, not a gesture.
        const std::size_t shown = boxes.shown().size();
        everyGesture();
        loop.advance(10000);
        EXPECT_EQ(world.calls().size(), callsAtClose);
        EXPECT_EQ(boxes.shown().size(), shown);
    }
};

TEST(CleanEnd, ASystemCloseDuringAPauseEndsAtOnceAndSavesNothing) {
    ClosingDuringAPause rig;
    rig.updateAndClose(
        [&] { EXPECT_FALSE(rig.monitor->queryUnload(shell::UnloadMode::BySystem)); });
    rig.expectEndedAtOnceWithNothingMoreSent();
    EXPECT_TRUE(rig.ini().empty());
    ASSERT_EQ(rig.boxes.shown().size(), 1u);  // the change question; no failure report
    EXPECT_EQ(rig.boxes.shown()[0].text, "Would you like to change Printer Setting?");
    EXPECT_EQ(rig.tray.removed, 1);
}

TEST(CleanEnd, YesToTheEndQuestionDuringAPauseEndsAtOnceAndSavesOnlyTheSelection) {
    ClosingDuringAPause rig;
    rig.updateAndClose([&] {
        rig.boxes.answerNext(Answer::Yes);
        EXPECT_FALSE(rig.monitor->queryUnload(shell::UnloadMode::UserClose));
    });
    rig.expectEndedAtOnceWithNothingMoreSent();
    EXPECT_NE(rig.ini().find("PRINTER=USB:Unit1"), std::string::npos) << rig.ini();
    ASSERT_EQ(rig.boxes.shown().size(), 2u);
    EXPECT_EQ(rig.boxes.shown()[1].text, "Would you like to end Status Monitor?");
}

// The end comes while the busy wait's window is up: the wait ends as if
// cancelled and nothing is written.
TEST(CleanEnd, ASystemCloseDuringTheBusyWaitWritesNothing) {
    GestureRig rig;
    rig.main().SSTab1.setTab(shell::PrinterSettingTab);
    rig.world.usb(0).setBusyFor(100);
    rig.after(700, [&] { rig.monitor->queryUnload(shell::UnloadMode::BySystem); });
    rig.boxes.answerNext(Answer::Ok);
    rig.update.click();
    EXPECT_TRUE(rig.monitor->ended());
    EXPECT_FALSE(rig.state().busyWaitRunning);
    EXPECT_FALSE(rig.monitor->busyWait().form().form.visible());
    EXPECT_EQ(rig.world.countCalls("KQCMD_ModeSelect"), 0);
    EXPECT_FALSE(rig.main().Timer1.enabled());
}

}  // namespace
}  // namespace orvan::testing
