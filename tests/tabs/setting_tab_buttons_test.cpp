// The Update/Refresh protocol every setting tab shares.
#include <gtest/gtest.h>

#include "cycles/cycle_rig.h"
#include "status/error_catalogue.h"
#include "tabs/printer_setting_tab.h"
#include "tabs/setting_tab_buttons.h"
#include "ui/scripted_message_boxes.h"

namespace orvan::testing {
namespace {

using ui::Answer;

struct ButtonsRig : CycleRig {
    ui::ScriptedMessageBoxes boxes;
    status::ErrorCatalogue catalogue = status::BuildErrorCatalogue();
    int fills = 0, collects = 0, statusQueries = 0;
    ui::Button update{"Cmd1[0]"}, refresh{"Cmd1[1]"};
    tabs::SettingTabButtons buttons{
        tabs::SettingTabLink{state, cycles, catalogue, boxes, [this] { ++statusQueries; }},
        tabs::PrinterSettingTab::kLinkPlan,
        tabs::SettingTabSteps{[this] { ++fills; }, [this] { ++collects; }, {}}};

    ButtonsRig() { buttons.wire(update, refresh); }
};

TEST(SettingTabButtons, WithoutAPrinterBothButtonsOnlySayPrinterIsNotFound) {
    ButtonsRig rig;
    rig.state.printerCount = 0;
    rig.update.click();
    rig.refresh.click();
    ASSERT_EQ(rig.boxes.shown().size(), 2u);
    for (const auto& box : rig.boxes.shown()) {
        EXPECT_EQ(box.text, "Printer is not found.");
        EXPECT_EQ(box.icon, ui::Icon::Warning);
    }
    EXPECT_EQ(rig.fills + rig.collects + rig.statusQueries, 0);
    EXPECT_TRUE(rig.world.calls().empty());
}

TEST(SettingTabButtons, RefreshAsksThenRereadsAndFills) {
    ButtonsRig rig;
    rig.boxes.answerNext(Answer::Cancel);
    rig.refresh.click();
    EXPECT_EQ(rig.boxes.shown().back().text, "Would you like to refresh Printer Setting?");
    EXPECT_TRUE(rig.world.calls().empty());
    EXPECT_EQ(rig.fills, 0);

    rig.boxes.answerNext(Answer::Ok);
    rig.refresh.click();
    EXPECT_EQ(rig.world.countCalls("KQCMD_StandardInquiry"), 1);
    EXPECT_EQ(rig.statusQueries, 1);
    EXPECT_EQ(rig.world.countCalls("KQCMD_ModeSense"), 2);
    EXPECT_EQ(rig.fills, 1);
}

TEST(SettingTabButtons, UpdateAsksCollectsWritesAndReportsAFailureByItsMessage) {
    ButtonsRig rig;
    rig.boxes.answerNext(Answer::Cancel);
    rig.update.click();
    EXPECT_EQ(rig.boxes.shown().back().text, "Would you like to change Printer Setting?");
    EXPECT_EQ(rig.collects, 0);
    EXPECT_EQ(rig.world.countCalls("KQCMD_ModeSelect"), 0);

    rig.boxes.answerNext(Answer::Ok);
    rig.world.scriptResult("KQCMD_ModeSelect", -0x0102D100, 1);
    rig.update.click();
    EXPECT_EQ(rig.collects, 1);
    EXPECT_EQ(rig.world.countCalls("KQCMD_ModeSelect"), 2);
    ASSERT_EQ(rig.boxes.shown().size(), 3u);
    EXPECT_EQ(rig.boxes.shown().back().text,
              "The printer door is open, or the cleaning unit is detached.");
    EXPECT_EQ(rig.boxes.shown().back().icon, ui::Icon::Warning);
}

TEST(SettingTabButtons, AGoodUpdateShowsNothingFurther) {
    ButtonsRig rig;
    rig.boxes.answerNext(Answer::Ok);
    rig.update.click();
    EXPECT_EQ(rig.boxes.shown().size(), 1u);
    EXPECT_EQ(rig.fills, 0);  // the image is not read back by the write
}

}  // namespace
}  // namespace orvan::testing
