// Rules of the virtual-clock event loop, modal forms and scripted message
// boxes: the machinery every other test relies on to run without sleeping.
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "ui/form.h"
#include "ui/scripted_message_boxes.h"
#include "ui/virtual_clock.h"

namespace orvan::ui {
namespace {

// A timer that logs "<name>@<time>" on each tick.
struct LoggingTimer {
    LoggingTimer(VirtualClockLoop& loop, const std::string& name, int ms,
                 std::vector<std::string>& log)
        : timer(name) {
        timer.setInterval(ms);
        timer.onTick = [&loop, &log, name] {
            log.push_back(name + "@" + std::to_string(loop.now()));
        };
        loop.attach(timer);
    }
    Timer timer;
};

TEST(VirtualClock, TimersFireInDueOrder) {
    VirtualClockLoop loop;
    std::vector<std::string> log;
    LoggingTimer slow(loop, "slow", 300, log), fast(loop, "fast", 200, log);
    loop.advance(600);
    EXPECT_EQ(
        log, (std::vector<std::string>{"fast@200", "slow@300", "fast@400", "slow@600", "fast@600"}))
        << "equal due times fire in the order the timers were armed";
    EXPECT_EQ(loop.now(), 600);
}

TEST(VirtualClock, ProcessEventsFiresOnlyWhatIsDueNow) {
    VirtualClockLoop loop;
    std::vector<std::string> log;
    LoggingTimer t(loop, "t", 100, log);
    loop.processEvents();
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(loop.now(), 0);
    loop.waitForEvents();
    EXPECT_EQ(log, (std::vector<std::string>{"t@100"}));
}

TEST(VirtualClock, EnablingOrChangingIntervalStartsThePeriodAfresh) {
    VirtualClockLoop loop;
    std::vector<std::string> log;
    LoggingTimer t(loop, "t", 1000, log);
    loop.advance(700);
    t.timer.setEnabled(false);
    loop.advance(1000);
    EXPECT_TRUE(log.empty()) << "a disabled timer never ticks";
    t.timer.setEnabled(true);  // at 1700
    loop.advance(900);
    t.timer.setInterval(500);  // at 2600
    loop.advance(500);
    EXPECT_EQ(log, (std::vector<std::string>{"t@3100"}));
    t.timer.setInterval(0);
    loop.advance(5000);
    EXPECT_EQ(log.size(), 1u) << "interval 0 stops a timer";
}

TEST(VirtualClock, TickHandlerThatDisablesItsTimerStopsIt) {
    VirtualClockLoop loop;
    Timer oneShot("Timer2");
    int ticks = 0;
    oneShot.onTick = [&] {
        ++ticks;
        oneShot.setEnabled(false);
    };
    oneShot.setInterval(1000);
    loop.attach(oneShot);
    loop.advance(10000);
    EXPECT_EQ(ticks, 1);
}

TEST(VirtualClock, NestedWaitInsideAdvanceNeverTurnsTheClockBack) {
    VirtualClockLoop loop;
    Timer outer("outer"), inner("inner");
    outer.setInterval(100);
    inner.setInterval(1000);
    inner.setEnabled(false);
    bool done = false;
    inner.onTick = [&] {
        done = true;
        inner.setEnabled(false);
    };
    outer.onTick = [&] {
        outer.setEnabled(false);
        inner.setEnabled(true);
        while (!done) loop.waitForEvents();  // like the one-second command pause
    };
    loop.attach(outer);
    loop.attach(inner);
    loop.advance(200);
    EXPECT_TRUE(done);
    EXPECT_EQ(loop.now(), 1100);
}

TEST(VirtualClock, WaitWithNothingRunningIdlesOrThrows) {
    VirtualClockLoop loop;
    EXPECT_THROW(loop.waitForEvents(), EventLoopStalled);
    int idles = 0;
    loop.onIdle = [&] { ++idles; };
    loop.waitForEvents();
    EXPECT_EQ(idles, 1);
    EXPECT_EQ(loop.waits(), 2);
}

TEST(VirtualClock, DestroyedOrDetachedTimersAreLeftAlone) {
    VirtualClockLoop loop;
    int ticks = 0;
    {
        auto gone = std::make_unique<Timer>("gone");
        gone->setInterval(100);
        gone->onTick = [&] { ++ticks; };
        loop.attach(*gone);
    }
    Timer kept("kept");
    kept.setInterval(100);
    kept.onTick = [&] { ++ticks; };
    loop.attach(kept);
    loop.attach(kept);  // attaching twice changes nothing
    loop.advance(100);
    EXPECT_EQ(ticks, 1);
    loop.detach(kept);
    loop.advance(1000);
    EXPECT_EQ(ticks, 1);
}

TEST(VirtualClock, LoopDestroyedBeforeItsTimersLeavesThemUsable) {
    Timer timer("Timer1");
    {
        VirtualClockLoop loop;
        loop.attach(timer);
    }
    timer.setInterval(200);  // would reach a freed loop if its observer stayed
    timer.setEnabled(true);
    SUCCEED();
}

TEST(ModalForms, ShowModalReturnsOnceTheFormIsHidden) {
    VirtualClockLoop loop;
    Form dialog("WaitForm");
    Timer closer("TimerWait");
    int loads = 0;
    dialog.onLoad = [&] { ++loads; };
    closer.setInterval(500);
    closer.onTick = [&] {
        EXPECT_TRUE(dialog.modal());
        EXPECT_TRUE(dialog.visible());
        dialog.setVisible(false);
    };
    loop.attach(closer);

    EXPECT_FALSE(dialog.visible()) << "a form starts hidden";
    dialog.showModal(loop);
    EXPECT_FALSE(dialog.visible());
    EXPECT_FALSE(dialog.modal());
    EXPECT_EQ(loads, 1);
    EXPECT_EQ(loop.now(), 500);
}

TEST(ModalForms, StalledWaitHidesTheFormAndPropagates) {
    VirtualClockLoop loop;
    Form dialog("IPv6Form");
    EXPECT_THROW(dialog.showModal(loop), EventLoopStalled);
    EXPECT_FALSE(dialog.visible());
    EXPECT_FALSE(dialog.modal());
}

TEST(ModalForms, CloseRequestHidesUnlessAHandlerDecides) {
    Form form("MainForm");
    form.setVisible(true);
    form.requestClose();
    EXPECT_FALSE(form.visible());

    form.setVisible(true);
    int asked = 0;
    form.onCloseRequested = [&] { ++asked; };  // e.g. "Would you like to end ...?" answered No
    form.requestClose();
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(form.visible());
}

TEST(ScriptedBoxes, RecordsEveryBoxAndAnswersQuestionsInOrder) {
    ScriptedMessageBoxes boxes;
    boxes.answerNext(Answer::Cancel);
    boxes.answerNext(Answer::Yes);
    std::vector<std::string> openTexts;
    boxes.whileOpen = [&](const ShownBox& b) { openTexts.push_back(b.text); };

    warn(boxes, "Printer is not found.");
    EXPECT_FALSE(confirm(boxes, "Would you like to change Printer Setting?"));
    EXPECT_EQ(boxes.show("Would you like to end Status Monitor?", Icon::Question, Buttons::YesNo),
              Answer::Yes);

    ASSERT_EQ(boxes.shown().size(), 3u);
    EXPECT_EQ(boxes.shown()[0].icon, Icon::Warning);
    EXPECT_EQ(boxes.shown()[0].buttons, Buttons::Ok);
    EXPECT_EQ(boxes.shown()[1].buttons, Buttons::OkCancel);
    EXPECT_EQ(openTexts.size(), 3u);
}

TEST(ScriptedBoxes, UnscriptedQuestionFailsInsteadOfGuessing) {
    ScriptedMessageBoxes boxes;
    EXPECT_EQ(boxes.show("Done.", Icon::Information, Buttons::Ok), Answer::Ok);
    EXPECT_THROW(confirm(boxes, "Would you like to download?"), std::logic_error);
}

}  // namespace
}  // namespace orvan::ui
