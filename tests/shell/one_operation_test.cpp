// One link operation at a time: a retry resends what its first attempt sent
// to the printer it first addressed, and every gesture that would start a
// second operation while one waits for window events is ignored, leaving the
// screen on what is being watched.
#include <gtest/gtest.h>

#include "gesture_rig.h"

namespace orvan::testing {
namespace {

using ui::Answer;
using Bytes = std::vector<std::uint8_t>;

// Every written print-condition field holds its own page byte number, so the
// request shows where each one went.
void numberPrintConditionFields(link::PrintConditionPage& pc) {
    pc.Byte8 = 8, pc.Byte16 = 16, pc.Byte20 = 20, pc.Byte22 = 22, pc.Byte23 = 23;
    pc.Byte33 = 33, pc.Byte34 = 34, pc.Byte35 = 35, pc.Byte36 = 36, pc.Byte37 = 37;
    pc.Byte41 = 41, pc.Byte42 = 42, pc.Byte43 = 43, pc.Byte44 = 44, pc.Byte45 = 45;
    pc.Byte46 = 46, pc.Byte50 = 50, pc.Byte51 = 51, pc.Byte53 = 53, pc.Byte54 = 54;
    pc.Byte56 = 56, pc.Byte57 = 57, pc.Byte58 = 58;
}

const Bytes kNumberedConditionRequest{0x28, 30, 0xFF, 0xFF, 33, 34, 35, 36, 37, 0xFF, 0xFF,
                                      16,   23, 41,   42,   43, 44, 20, 8,  22, 0xFF, 45,
                                      46,   50, 51,   0xFF, 53, 54, 56, 57, 58, 0xFF};

// What the user sees after an ignored gesture: the tab and both combos on
// what is watched, no handler run, nothing asked.
void expectScreenUnmoved(GestureRig& rig, int tab, std::size_t boxes) {
    EXPECT_EQ(rig.main().SSTab1.tab(), tab);
    EXPECT_EQ(rig.combos().Combo0.listIndex(), 0);
    EXPECT_EQ(rig.combos().Combo7_1.listIndex(), 0);
    EXPECT_EQ(rig.state().selected.connection, link::Connection::Usb);
    EXPECT_EQ(rig.printerSelectChoices + rig.fills, 0);
    EXPECT_EQ(rig.boxes.shown().size(), boxes);
}

TEST(OneLinkOperation, ARetryResendsTheSameBytesToTheSamePrinterWhateverArrivesInItsPause) {
    GestureRig rig;
    rig.main().SSTab1.setTab(shell::PrinterSettingTab);
    rig.world.clearCalls();
    numberPrintConditionFields(rig.monitor->data().image.PrintCondition);
    rig.monitor->data().image.MagneticSetting = {1, 0, 3};
    rig.world.scriptResult("KQCMD_ModeSelect", 1, 1);  // busy once: one pause
    std::size_t callsBefore = 0, callsAfter = 0, boxesBefore = 0;
    rig.after(500, [&] {
        callsBefore = rig.world.calls().size();
        boxesBefore = rig.boxes.shown().size();
        rig.everyGesture();
        callsAfter = rig.world.calls().size();
        expectScreenUnmoved(rig, shell::PrinterSettingTab, boxesBefore);
    });
    rig.boxes.answerNext(Answer::Ok);
    rig.update.click();

    EXPECT_GT(callsBefore, 0u) << "the gestures ran inside the pause";
    EXPECT_EQ(callsAfter, callsBefore) << "no gesture reached a printer";
    const auto selects = rig.world.callsTo("KQCMD_ModeSelect");
    ASSERT_EQ(selects.size(), 3u);
    const auto& usb = rig.world.usbPort(0);
    for (std::size_t i : {0u, 1u}) {
        EXPECT_EQ(selects[i].args, (std::vector<std::int64_t>{usb.slot, usb.scsiId, 1, 0x28}));
        EXPECT_EQ(selects[i].bytes, kNumberedConditionRequest) << "attempt " << i + 1;
    }
    EXPECT_EQ(selects[2].bytes, (Bytes{0x2A, 8, 1, 0, 0xFF, 0xFF, 0xFF, 3, 0xFF, 0xFF}));
    EXPECT_EQ(rig.world.usb(0).pageByte(0x28, 41), 41);
    expectScreenUnmoved(rig, shell::PrinterSettingTab, 1);  // only the question
    EXPECT_EQ(rig.collects, 1);                             // the Update's own, not a second one
}

// Each situation starts a real operation that waits for window events; the
// gestures arrive while it waits.
TEST(OneLinkOperation, GesturesAreIgnoredDuringAPauseADiscoveryAndTheBusyWait) {
    struct Situation {
        const char* name;
        std::function<void(GestureRig&)> prepare;  // scripts the wait
        std::function<void(GestureRig&)> start;    // the operation that waits
        bool (*waiting)(const link::LinkState&);
    };
    const std::vector<Situation> situations = {
        {"pause", [](GestureRig& r) { r.world.scriptResult("KQCMD_LogSelect", 1, 1); },
         [](GestureRig& r) { r.monitor->statusTab().Cmd0_1.click(); },
         [](const link::LinkState& s) { return s.pauseActive; }},
        {"discovery", [](GestureRig& r) { r.world.scriptResult("KQCMD_ScanPrinter", 1, 1); },
         [](GestureRig& r) { r.monitor->statusTab().Cmd0_2.click(); },
         [](const link::LinkState& s) { return s.discoveryRunning; }},
        {"busy wait", [](GestureRig& r) { r.world.usb(0).setBusyFor(3); },
         [](GestureRig& r) { r.update.click(); },
         [](const link::LinkState& s) { return s.busyWaitRunning; }},
    };
    for (const auto& situation : situations) {
        SCOPED_TRACE(situation.name);
        GestureRig rig;
        situation.prepare(rig);
        bool waited = false;
        std::size_t callsBefore = 0, callsAfter = 0;
        rig.after(250, [&] {
            waited = situation.waiting(rig.state());
            callsBefore = rig.world.calls().size();
            const std::size_t boxes = rig.boxes.shown().size();
            rig.everyGesture();
            callsAfter = rig.world.calls().size();
            expectScreenUnmoved(rig, shell::StatusTab, boxes);
        });
        rig.boxes.answerNext(Answer::Ok);
        situation.start(rig);
        EXPECT_TRUE(waited);
        EXPECT_EQ(callsAfter, callsBefore);
        EXPECT_FALSE(rig.state().linkBusy());
        EXPECT_EQ(rig.main().SSTab1.tab(), shell::StatusTab);
        EXPECT_EQ(rig.printerSelectChoices + rig.fills, 0);
    }
}

}  // namespace
}  // namespace orvan::testing
