// A new card material chosen on the Media Setting tab reaches the colour
// guidance of the grids; an Update that keeps the material does not ask again.
#include <gtest/gtest.h>

#include "shell_rig.h"
#include "tabs/fake_guidance.h"

namespace orvan::testing {
namespace {

TEST(CardMaterial, ANewMaterialRecomputesTheGridHintsWithThatCard) {
    FakeGuidance guidance;
    ShellRig rig;
    rig.guidance = &guidance;
    rig.rebuild();
    ASSERT_TRUE(rig.start());
    rig.main().SSTab1.setTab(shell::MediaSettingTab);
    auto& media = rig.monitor->screens().mediaSetting;
    const std::size_t before = guidance.identifierCalls.size();

    rig.boxes.answerNext(ui::Answer::Ok);
    media.Cmd4[tabs::kUpdateButton].click();  // the same material: no new hints
    EXPECT_EQ(guidance.identifierCalls.size(), before);

    media.Combo4[tabs::MaterialList].setListIndex(2);  // "HR-PET-G"
    rig.boxes.answerNext(ui::Answer::Ok);
    media.Cmd4[tabs::kUpdateButton].click();
    ASSERT_EQ(guidance.identifierCalls.size(), before + 1);
    EXPECT_EQ(guidance.identifierCalls.back()[0], 2);  // the card comes first
    EXPECT_NE(rig.ini().find("CARDTYPE=2"), std::string::npos);
}

}  // namespace
}  // namespace orvan::testing
